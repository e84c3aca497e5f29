#include "platform/dir_listing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "platform/error.h"
#include "platform/file_attributes.h"
#include "platform/path.h"

namespace kerovia {
namespace {

namespace fs = std::filesystem;

fs::path Utf8Path(const std::string& utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8(const fs::path& path) {
  std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

class DirListingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("kerovia-dir-listing-" + std::to_string(std::rand()));
    fs::create_directories(root_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }
  std::string Root() const { return Utf8(root_); }
  fs::path root_;
};

TEST_F(DirListingTest, ListsLongNamesAndTellsFoldersFromFiles) {
  // Long names, names outside Shift-JIS, a folder named like a media file, a dot folder.
  const std::map<std::string, bool> expected = {{"A very long file name.mp3", false},
                                                {"ファーストラブ.mp3", false},
                                                {"팔레트.m4a", false},
                                                {"🎉.jpg", false},
                                                {"clip.mov", true},
                                                {".thumbnails", true},
                                                {"音楽", true},
                                                {"x.aiff", false}};
  for (const auto& [name, isFolder] : expected) {
    fs::path path = root_ / Utf8Path(name);
    if (isFolder)
      fs::create_directory(path);
    else
      std::ofstream(path) << name;
  }
  std::map<std::string, bool> listed;
  for (const DirEntry& entry : ListFolder(Root()))
    EXPECT_TRUE(listed.emplace(entry.name, entry.isFolder).second) << entry.name << " twice";
  EXPECT_EQ(listed, expected);
}

TEST_F(DirListingTest, AnEmptyFolderHasNoEntries) {
  EXPECT_TRUE(ListFolder(Root()).empty());
}

TEST_F(DirListingTest, TheListingKeepsTheOrderOfTheFileSystem) {
  for (int i = 0; i < 40; ++i) std::ofstream(root_ / ("f" + std::to_string(i * 7 % 40) + ".jpg"));
  std::vector<std::string> expected;
  for (const auto& entry : fs::directory_iterator(root_))
    expected.push_back(Utf8(entry.path().filename()));
  std::vector<std::string> listed;
  ForEachEntry(Root(), [&](std::string_view name, bool) { listed.emplace_back(name); });
  EXPECT_EQ(listed, expected);
}

TEST_F(DirListingTest, AMissingOrNonFolderPathIsAnError) {
  std::ofstream(root_ / "file.txt") << "x";
  for (const std::string& path : {JoinPath(Root(), "missing"), JoinPath(Root(), "file.txt")}) {
    EXPECT_THROW(ListFolder(path), Error) << path;
  }
}

TEST_F(DirListingTest, IsFolderOnlyForFolders) {
  fs::create_directory(root_ / "Android");
  std::ofstream(root_ / "android.txt") << "x";
  EXPECT_TRUE(IsFolder(JoinPath(Root(), "Android")));
  EXPECT_FALSE(IsFolder(JoinPath(Root(), "android.txt")));
  EXPECT_FALSE(IsFolder(JoinPath(Root(), "missing")));
}

}  // namespace
}  // namespace kerovia
