#include "inventory/mask_match.h"

#include <gtest/gtest.h>

namespace kerovia {
namespace {

struct MaskCase {
  const char* name;
  const char* mask;
  bool matches;
};

const MaskCase kMaskCases[] = {
    {"Song.MP3", "*.mp3", true},
    {"song.mp3", "*.MP3", true},
    {"song.Mp3", "*.mp3", true},
    {".mp3", "*.mp3", true},  // "*" is also the empty run
    {"song.mp3.txt", "*.mp3", false},
    {"song.mp", "*.mp3", false},
    {"mp3", "*.mp3", false},
    {"x.aiff", "*.aif", false},  // long names only: no 8.3 alias "X~1.AIF"
    {"x.aif", "*.aiff", false},
    {"x.aiff", "*.aiff", true},
    {"photo.jpeg", "*.jpg", false},
    {"ファーストラブ.mp3", "*.mp3", true},
    {"팔레트.M4A", "*.m4a", true},
    {"🎉.jpeg", "*.jpeg", true},
    // "?" is exactly one character, also a Japanese one or an emoji.
    {"a.mp3", "?.mp3", true},
    {"曲.mp3", "?.mp3", true},
    {"🎉.mp3", "?.mp3", true},
    {"ab.mp3", "?.mp3", false},
    {".mp3", "?.mp3", false},
    {"IMG_0001.jpg", "IMG_????.JPG", true},
    {"IMG_001.jpg", "IMG_????.jpg", false},
    // Several stars need back-tracking.
    {"abcabd", "*ab?", true},
    {"track.final.mp3", "*.*.mp3", true},
    {"track.mp3", "*.*.mp3", false},
    {"aXbXc", "a*b*c", true},
    {"aXbXd", "a*b*c", false},
    {"anything", "*", true},
    {"", "*", true},
    {"", "?", false},
    // Japanese letters have no case to ignore: only what is equal matches.
    {"ア.mp3", "あ.mp3", false},
};

TEST(FileMaskTest, MatchesLongNamesWithoutRegardToCase) {
  for (const MaskCase& c : kMaskCases) {
    EXPECT_EQ(FileMask(c.mask).Matches(c.name), c.matches)
        << "\"" << c.name << "\" by \"" << c.mask << "\" should "
        << (c.matches ? "match" : "not match");
    EXPECT_EQ(MatchesMask(c.name, c.mask), c.matches) << c.name << " / " << c.mask;
  }
}

}  // namespace
}  // namespace kerovia
