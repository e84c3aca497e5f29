#include "platform/file_copy.h"

#include <gtest/gtest.h>

#include "test_files.h"

namespace kerovia {
namespace {

using testing::Digest;
using testing::FolderContents;

// What is at the target's name before the copy.
enum class Before { Nothing, File, Folder };

struct CopyCase {
  const char* what;
  bool sourceExists;
  Before target;
  CopyStatus want;
};

TEST(CopyToNewFile, NeverReplacesAndLeavesNoTemporaryFile) {
  const CopyCase cases[] = {
      {"a new name", true, Before::Nothing, CopyStatus::Copied},
      {"a file of the name appeared", true, Before::File, CopyStatus::TargetTaken},
      {"a missing source", false, Before::Nothing, CopyStatus::Failed},
  };
  for (const auto& c : cases) {
    testing::TempFolder temp;
    std::string source = temp / "source.bin";
    std::string folder = temp / "target";
    std::string target = JoinPath(folder, "写真.jpg");
    std::filesystem::create_directories(testing::FsPath(folder));
    if (c.sourceExists) testing::WriteFile(source, testing::Bytes(c.what, 300000));
    if (c.target == Before::File) testing::WriteFile(target, "earlier");

    CopyResult result = CopyToNewFile(source, target);

    EXPECT_EQ(result.status, c.want) << c.what << ": " << result.reason;
    EXPECT_EQ(result.reason.empty(), c.want != CopyStatus::Failed) << c.what;
    std::map<std::string, std::string> want;
    if (c.want == CopyStatus::Copied) want["写真.jpg"] = Digest(testing::Bytes(c.what, 300000));
    if (c.target == Before::File) want["写真.jpg"] = Digest("earlier");
    EXPECT_EQ(FolderContents(folder), want) << c.what;
  }
}

TEST(CopyToNewFile, AFolderAsSourceIsAFailure) {
  testing::TempFolder temp;
  std::filesystem::create_directories(testing::FsPath(temp / "dir"));
  std::filesystem::create_directories(testing::FsPath(temp / "target"));
  CopyResult result = CopyToNewFile(temp / "dir", JoinPath(temp / "target", "x"));
  EXPECT_EQ(result.status, CopyStatus::Failed);
  EXPECT_TRUE(FolderContents(temp / "target").empty());
}

}  // namespace
}  // namespace kerovia
