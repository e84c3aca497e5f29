// Targets that refuse the files: a read-only and a full file system, made as tiny tmpfs
// mounts in the test's own folder (root only; as another user a read-only folder is enough).

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "../recorders.h"
#include "../test_files.h"
#include "backup/folder_backup.h"
#include "backup/messages.h"

namespace kerovia {
namespace {

using testing::FolderContents;

class RefusingTarget : public ::testing::Test {
 protected:
  testing::TempFolder temp;
  std::string target = temp / "target";
  bool mounted = false;
  testing::Log log;
  testing::RecordingMainView main{log};
  testing::RecordingProgressView progress{log};
  testing::RecordingServices services{log};
  FileList list;

  void SetUp() override {
    std::filesystem::create_directories(target);
    services.folder = target;
  }
  void TearDown() override {
    if (mounted) umount(target.c_str());
  }

  // A tmpfs of `size` bytes at the target; false (with the reason) when it cannot be made.
  bool MountTmpfs(unsigned long flags, const std::string& size, std::string& why) {
    if (geteuid() != 0) {
      why = "not root";
      return false;
    }
    std::string options = "size=" + size;
    if (mount("tmpfs", target.c_str(), "tmpfs", flags, options.c_str()) != 0) {
      why = std::string("mount: ") + std::strerror(errno);
      return false;
    }
    mounted = true;
    return true;
  }

  void Add(const std::string& name, std::size_t size) {
    std::string path = temp / ("phone/" + name);
    testing::WriteFile(path, testing::Bytes(name, size));
    list.Append(path, "p");
  }
};

TEST_F(RefusingTarget, ReadOnlyFileSystemReportsEveryFileAndLeavesNothing) {
  std::string why;
  if (!MountTmpfs(MS_RDONLY, "64k", why)) {
    if (geteuid() == 0) GTEST_SKIP() << "no read-only tmpfs: " << why;
    ASSERT_EQ(chmod(target.c_str(), 0555), 0);
  }
  Add("a.jpg", 100);
  Add("b.jpg", 100);
  BackupToFolder(list, main, progress, services, "Kerovia");
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text.rfind(CopyFailedHeadline(2) + "\na.jpg\nb.jpg\n(", 0), 0u)
      << services.messages[0].text;
  EXPECT_TRUE(FolderContents(target).empty());
  EXPECT_TRUE(main.visible);
  EXPECT_FALSE(progress.visible);
  chmod(target.c_str(), 0755);
}

TEST_F(RefusingTarget, FullDiskSkipsTheFileThatDoesNotFitAndLeavesNoPartOfIt) {
  std::string why;
  if (!MountTmpfs(0, "64k", why)) GTEST_SKIP() << "no small tmpfs: " << why;
  Add("small1.jpg", 1000);
  Add("big.mp4", 200 * 1024);
  Add("small2.jpg", 1000);
  BackupToFolder(list, main, progress, services, "Kerovia");
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text.rfind(CopyFailedHeadline(1) + "\nbig.mp4\n(", 0), 0u)
      << services.messages[0].text;
  std::map<std::string, std::string> want = {
      {"small1.jpg", testing::Digest(testing::Bytes("small1.jpg", 1000))},
      {"small2.jpg", testing::Digest(testing::Bytes("small2.jpg", 1000))}};
  EXPECT_EQ(FolderContents(target), want);
}

}  // namespace
}  // namespace kerovia
