#include "platform/path.h"

#include <gtest/gtest.h>

namespace kerovia {
namespace {

const std::string S(1, kPathSeparator);

TEST(PathTest, JoinAddsExactlyOneSeparator) {
  struct Case {
    std::string folder, name, expected;
  } cases[] = {
      {"F:" + S, "song.mp3", "F:" + S + "song.mp3"},  // a drive root keeps its one separator
      {"F:" + S + "DCIM", "a.jpg", "F:" + S + "DCIM" + S + "a.jpg"},
      {"", "a.jpg", "a.jpg"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(JoinPath(c.folder, c.name), c.expected) << c.folder << " + " << c.name;
}

TEST(PathTest, FolderAndNameSplitAtTheLastSeparator) {
  std::string path = "F:" + S + "DCIM" + S + "Camera" + S + "IMG_0001.jpg";
  EXPECT_EQ(FolderPart(path), "F:" + S + "DCIM" + S + "Camera" + S);
  EXPECT_EQ(NamePart(path), "IMG_0001.jpg");
  EXPECT_EQ(FolderPart(path) + NamePart(path), path);
  EXPECT_EQ(FolderPart("plain"), "");
  EXPECT_EQ(NamePart("plain"), "plain");
}

}  // namespace
}  // namespace kerovia
