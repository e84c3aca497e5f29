#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "platform/dir_listing.h"

namespace kerovia {
namespace {

namespace fs = std::filesystem;

// A link back to a parent folder would make a walk endless: links to folders are left
// out; links to files count as files.
TEST(DirListingLinksTest, LinksToFoldersAreLeftOutLinksToFilesAreFiles) {
  fs::path root = fs::temp_directory_path() / ("kerovia-links-" + std::to_string(::getpid()));
  fs::create_directories(root / "sub");
  std::ofstream(root / "song.mp3") << "x";
  fs::create_directory_symlink(root, root / "sub" / "loop");
  fs::create_symlink(root / "song.mp3", root / "sub" / "link.mp3");
  fs::create_symlink(root / "gone.mp3", root / "sub" / "dangling.mp3");

  std::map<std::string, bool> listed;
  for (const DirEntry& entry : ListFolder((root / "sub").string()))
    listed[entry.name] = entry.isFolder;
  std::map<std::string, bool> expected = {{"link.mp3", false}};
  EXPECT_EQ(listed, expected);
  fs::remove_all(root);
}

}  // namespace
}  // namespace kerovia
