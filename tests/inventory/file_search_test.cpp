#include "inventory/file_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <map>
#include <utility>

#include "bench/fixture/phone_tree.h"
#include "inventory/media_scan.h"
#include "platform/error.h"
#include "platform/path.h"
#include "tests/inventory/test_folder.h"

namespace kerovia {
namespace {

using testing::TestFolder;
using testing::Utf8;
using testing::Utf8Path;
using Found = std::vector<std::pair<std::string, std::size_t>>;  // path, mask index

std::vector<FileMask> Masks(const std::vector<std::string>& texts) {
  return {texts.begin(), texts.end()};
}

std::vector<std::string> AllMediaMasks() {
  std::vector<std::string> masks;
  for (const MediaCategory& category : MediaCategories())
    for (std::string_view mask : category.masks) masks.emplace_back(mask);
  return masks;
}

Found Search(const std::string& root, const std::vector<std::string>& masks) {
  Found found;
  SearchFiles(root, Masks(masks),
              [&](const std::string& path, std::size_t mask) { found.emplace_back(path, mask); });
  return found;
}

// The reference: one complete breadth-first walk per mask, as the file search of old did,
// with its own listing (std::filesystem) and its own matcher.
bool ReferenceMatch(std::u32string_view name, std::u32string_view mask) {
  auto fold = [](char32_t c) { return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c; };
  if (mask.empty()) return name.empty();
  if (mask[0] == U'*')
    return ReferenceMatch(name, mask.substr(1)) ||
           (!name.empty() && ReferenceMatch(name.substr(1), mask));
  return !name.empty() && (mask[0] == U'?' || fold(mask[0]) == fold(name[0])) &&
         ReferenceMatch(name.substr(1), mask.substr(1));
}

Found ReferenceSearch(const std::string& root, const std::vector<std::string>& masks) {
  Found found;
  for (std::size_t m = 0; m < masks.size(); ++m) {
    std::vector<std::string> folders{root};
    std::deque<std::string> queue{root};
    while (!queue.empty()) {
      std::string folder = queue.front();
      queue.pop_front();
      for (const auto& entry : std::filesystem::directory_iterator(Utf8Path(folder)))
        if (entry.is_directory()) {
          std::string sub = JoinPath(folder, Utf8(entry.path().filename()));
          folders.push_back(sub);
          queue.push_back(sub);
        }
    }
    std::u32string mask = Utf8Path(masks[m]).u32string();
    for (const std::string& folder : folders)
      for (const auto& entry : std::filesystem::directory_iterator(Utf8Path(folder)))
        if (entry.is_regular_file() && ReferenceMatch(entry.path().filename().u32string(), mask))
          found.emplace_back(JoinPath(folder, Utf8(entry.path().filename())), m);
  }
  return found;
}

std::size_t IndexOf(const Found& found, const std::string& path) {
  auto it =
      std::find_if(found.begin(), found.end(), [&](const auto& f) { return f.first == path; });
  return static_cast<std::size_t>(it - found.begin());
}

TEST(FileSearchTest, ListsMaskByMaskThenBreadthFirstFolderOrder) {
  TestFolder drive;
  for (const char* file : {"song.mp3", "intro.m4a", "A/a1.mp3", "B/b1.mp3", "A/A1/a2.mp3",
                           "B/B1/b2.mp3", "B/B1/b2.m4a", "A/A1/Deep/a3.mp3", "A/notes.txt"})
    drive.Write(file);
  Found found = Search(drive.Root(), {"*.mp3", "*.m4a"});

  std::map<std::string, std::size_t> expected = {
      {"song.mp3", 0},    {"A/a1.mp3", 0},         {"B/b1.mp3", 0},  {"A/A1/a2.mp3", 0},
      {"B/B1/b2.mp3", 0}, {"A/A1/Deep/a3.mp3", 0}, {"intro.m4a", 1}, {"B/B1/b2.m4a", 1}};
  ASSERT_EQ(found.size(), expected.size());
  for (const auto& [relative, mask] : expected) {
    std::size_t at = IndexOf(found, drive.Path(relative));
    ASSERT_LT(at, found.size()) << relative << " was not listed";
    EXPECT_EQ(found[at].second, mask) << relative;
  }
  // Which path must come before which: the root before its folders, a whole level before
  // the next (depth-first would put a2 or b2 before a1 or b1), every .mp3 before any .m4a.
  const std::pair<const char*, const char*> kBefore[] = {
      {"song.mp3", "A/a1.mp3"},
      {"song.mp3", "B/b1.mp3"},
      {"A/a1.mp3", "A/A1/a2.mp3"},
      {"A/a1.mp3", "B/B1/b2.mp3"},
      {"B/b1.mp3", "A/A1/a2.mp3"},
      {"B/b1.mp3", "B/B1/b2.mp3"},
      {"A/A1/a2.mp3", "A/A1/Deep/a3.mp3"},
      {"B/B1/b2.mp3", "A/A1/Deep/a3.mp3"},
      {"A/A1/Deep/a3.mp3", "intro.m4a"},
      {"intro.m4a", "B/B1/b2.m4a"},
  };
  for (const auto& [earlier, later] : kBefore)
    EXPECT_LT(IndexOf(found, drive.Path(earlier)), IndexOf(found, drive.Path(later)))
        << earlier << " should be listed before " << later;
}

TEST(FileSearchTest, OneListingGivesTheOrderOfOneWalkPerMask) {
  TestFolder drive;
  PhoneTreeOptions options;
  options.files = 600;
  options.folders = 60;
  options.seed = 7;
  MakePhoneTree(drive.Root(), options);
  std::vector<std::string> masks = AllMediaMasks();

  Found found = Search(drive.Root(), masks);
  Found reference = ReferenceSearch(drive.Root(), masks);
  EXPECT_GT(reference.size(), 300u) << "the generated tree should be mostly media";
  EXPECT_EQ(found, reference);
}

// The order in which one breadth-first walk comes upon the matches: folder by folder, each
// in its listing's order, every mask of an entry in mask order.
Found ReferenceWalkOrder(const std::string& root, const std::vector<std::string>& masks) {
  Found found;
  std::deque<std::string> queue{root};
  while (!queue.empty()) {
    std::string folder = queue.front();
    queue.pop_front();
    for (const auto& entry : std::filesystem::directory_iterator(Utf8Path(folder))) {
      std::string path = JoinPath(folder, Utf8(entry.path().filename()));
      if (entry.is_directory()) {
        queue.push_back(path);
        continue;
      }
      for (std::size_t m = 0; m < masks.size(); ++m)
        if (ReferenceMatch(entry.path().filename().u32string(), Utf8Path(masks[m]).u32string()))
          found.emplace_back(path, m);
    }
  }
  return found;
}

TEST(FileSearchTest, EveryMatchIsSeenDuringTheWalkBeforeTheListIsReported) {
  TestFolder drive;
  PhoneTreeOptions options;
  options.files = 300;
  options.folders = 30;
  options.seed = 11;
  MakePhoneTree(drive.Root(), options);
  // "*" as well, so that entries matched by two masks show the order within an entry.
  std::vector<std::string> masks = AllMediaMasks();
  masks.push_back("*");

  Found duringWalk, inListOrder;
  std::size_t foundAfterListBegan = 0;
  SearchFiles(
      drive.Root(), Masks(masks),
      [&](std::string_view folder, std::string_view name, std::size_t mask) {
        if (!inListOrder.empty()) ++foundAfterListBegan;
        duringWalk.emplace_back(JoinPath(std::string(folder), name), mask);
      },
      [&](const std::string& path, std::size_t mask) { inListOrder.emplace_back(path, mask); });

  EXPECT_EQ(foundAfterListBegan, 0u);
  EXPECT_EQ(duringWalk, ReferenceWalkOrder(drive.Root(), masks));
  EXPECT_EQ(inListOrder, ReferenceSearch(drive.Root(), masks));
  EXPECT_NE(duringWalk, inListOrder) << "the tree should tell the two orders apart";
}

TEST(FileSearchTest, AFileMatchedByTwoMasksIsListedTwice) {
  TestFolder drive;
  drive.Write("Music/song.mp3");
  Found found = Search(drive.Root(), {"*.mp3", "song.*"});
  Found expected = {{drive.Path("Music/song.mp3"), 0}, {drive.Path("Music/song.mp3"), 1}};
  EXPECT_EQ(found, expected);
}

TEST(FileSearchTest, FoldersAreEnteredButNeverListed) {
  TestFolder drive;
  drive.MakeFolder("Movies/clip.mov");
  drive.MakeFolder("Music/empty.mp3");
  drive.Write("Movies/clip.mov/inner.mov");
  drive.Write("DCIM/.thumbnails/thumb.JPG");
  Found found = Search(drive.Root(), {"*.mov", "*.mp3", "*.jpg"});
  Found expected = {{drive.Path("Movies/clip.mov/inner.mov"), 0},
                    {drive.Path("DCIM/.thumbnails/thumb.JPG"), 2}};
  EXPECT_EQ(found, expected);
}

TEST(FileSearchTest, NamesOutsideShiftJisComeBackAsTheyWereWritten) {
  TestFolder drive;
  const std::vector<std::string> files = {"Music/宇多田ヒカル/ファーストラブ.mp3",
                                          "Music/아이유/팔레트.mp3", "🎉/パーティー🎂.mp3"};
  for (const std::string& file : files) drive.Write(file);
  Found found = Search(drive.Root(), {"*.mp3"});
  ASSERT_EQ(found.size(), files.size());
  for (const std::string& file : files) {
    std::size_t at = IndexOf(found, drive.Path(file));
    ASSERT_LT(at, found.size()) << file;
    EXPECT_TRUE(std::filesystem::is_regular_file(Utf8Path(found[at].first))) << file;
  }
}

TEST(FileSearchTest, ARootWithoutTrailingSeparatorGetsExactlyOne) {
  TestFolder drive;
  drive.Write("a.mp3");
  std::string withSeparator = drive.Root() + kPathSeparator;
  for (const std::string& root : {drive.Root(), withSeparator}) {
    Found found = Search(root, {"*.mp3"});
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].first, drive.Path("a.mp3")) << "root " << root;
  }
}

TEST(FileSearchTest, AnUnreadableRootEndsTheSearchWithAnError) {
  TestFolder drive;
  int found = 0, reported = 0;
  EXPECT_THROW(SearchFiles(
                   drive.Path("gone"), Masks({"*.mp3"}),
                   [&](std::string_view, std::string_view, std::size_t) { ++found; },
                   [&](const std::string&, std::size_t) { ++reported; }),
               Error);
  EXPECT_EQ(found, 0);
  EXPECT_EQ(reported, 0);
}

}  // namespace
}  // namespace kerovia
