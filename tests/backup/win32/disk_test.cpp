// The folder backup onto drives that refuse files (S: a tiny disk, R: a read-only one, both
// mounted for the run) and into folders deeper than MAX_PATH.

#include <gtest/gtest.h>

#include "../recorders.h"
#include "../test_files.h"
#include "backup/folder_backup.h"
#include "backup/messages.h"
#include "win32_helpers.h"

namespace kerovia {
namespace {

class FolderBackupOnWindows : public ::testing::Test {
 protected:
  testing::TempFolder temp;
  testing::Log log;
  testing::RecordingMainView main{log};
  testing::RecordingProgressView progress{log};
  testing::RecordingServices services{log};
  FileList list;

  std::string Add(const std::string& folder, const std::string& name, std::size_t size) {
    std::string path = folder + "\\" + name;
    EXPECT_TRUE(testing::Win32WriteFile(path, testing::Bytes(name, size))) << path;
    list.Append(path, "p");
    return path;
  }
  void Backup(const std::string& target) {
    services.folder = target;
    BackupToFolder(list, main, progress, services, "Kerovia");
  }
};

TEST_F(FolderBackupOnWindows, FullDriveRootSkipsWhatDoesNotFitAndLeavesNoPartOfIt) {
  ULARGE_INTEGER total{};
  if (!GetDiskFreeSpaceExW(L"S:\\", nullptr, &total, nullptr) || total.QuadPart > 1024 * 1024)
    GTEST_SKIP() << "S: is not the small disk (a tmpfs mounted by the test fixture as root)";
  testing::EmptyFolder("S:");
  Add(temp.path(), "small1.jpg", 1000);
  Add(temp.path(), "big.mp4", 200 * 1024);
  Add(temp.path(), "small2.jpg", 1000);
  Backup("S:\\");  // a drive root: S:\small1.jpg, no doubled separator
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text.rfind(CopyFailedHeadline(1) + "\nbig.mp4\n(", 0), 0u)
      << services.messages[0].text;
  std::map<std::string, std::string> want = {
      {"small1.jpg", testing::Digest(testing::Bytes("small1.jpg", 1000))},
      {"small2.jpg", testing::Digest(testing::Bytes("small2.jpg", 1000))}};
  EXPECT_EQ(testing::Win32FolderContents("S:"), want);
  testing::EmptyFolder("S:");
}

TEST_F(FolderBackupOnWindows, ReadOnlyDriveReportsEveryFileAndLeavesNothing) {
  if (testing::Win32WriteFile("R:\\probe", "x")) {
    DeleteFileW(L"R:\\probe");
    GTEST_SKIP() << "R: is writable (the read-only tmpfs is mounted by the fixture as root)";
  }
  if (GetFileAttributesW(L"R:\\") == INVALID_FILE_ATTRIBUTES) GTEST_SKIP() << "no drive R:";
  Add(temp.path(), "a.jpg", 100);
  Add(temp.path(), "b.jpg", 100);
  Backup("R:\\");
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text.rfind(CopyFailedHeadline(2) + "\na.jpg\nb.jpg\n(", 0), 0u)
      << services.messages[0].text;
  EXPECT_TRUE(testing::Win32FolderContents("R:").empty());
}

TEST_F(FolderBackupOnWindows, FoldersDeeperThanMaxPathWork) {
  std::string deep = temp.path();
  while (deep.size() < 300) {
    deep += "\\とても長いフォルダの名前-" + std::to_string(deep.size());
    ASSERT_TRUE(CreateDirectoryW(win32::FileApiPath(deep).c_str(), nullptr))
        << deep << " error " << GetLastError();
  }
  std::string source = deep + "\\phone";
  std::string target = deep + "\\target";
  ASSERT_TRUE(CreateDirectoryW(win32::FileApiPath(source).c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW(win32::FileApiPath(target).c_str(), nullptr));
  Add(source, "IMG_0001.jpg", 5000);
  Add(source, "IMG_0001.jpg", 5000);
  Backup(target);
  EXPECT_TRUE(services.messages.empty()) << services.messages[0].text;
  std::map<std::string, std::string> want = {
      {"IMG_0001.jpg", testing::Digest(testing::Bytes("IMG_0001.jpg", 5000))},
      {"コピー - IMG_0001.jpg", testing::Digest(testing::Bytes("IMG_0001.jpg", 5000))}};
  EXPECT_EQ(testing::Win32FolderContents(target), want);
  // TempFolder cannot remove what is this deep.
  for (const auto& [name, c] : want) DeleteFileW(win32::FileApiPath(target + "\\" + name).c_str());
  DeleteFileW(win32::FileApiPath(source + "\\IMG_0001.jpg").c_str());
  RemoveDirectoryW(win32::FileApiPath(target).c_str());
  RemoveDirectoryW(win32::FileApiPath(source).c_str());
  while (deep.size() > temp.path().size()) {
    RemoveDirectoryW(win32::FileApiPath(deep).c_str());
    deep = deep.substr(0, deep.find_last_of('\\'));
  }
}

}  // namespace
}  // namespace kerovia
