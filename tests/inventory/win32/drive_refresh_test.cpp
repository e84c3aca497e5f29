// Detection and scan through the real Win32 drive calls: E: is a fixed and F: a removable
// drive, both folders mapped by the test runner. Unplugging is renaming the "Android"
// folder away; the letter itself stays listed.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "bench/fixture/phone_tree.h"
#include "inventory/device_detection.h"
#include "inventory/mask_match.h"
#include "inventory/media_scan.h"
#include "inventory/refresh.h"
#include "platform/dir_listing.h"
#include "tests/inventory/recorders.h"
#include "tests/inventory/test_folder.h"

namespace kerovia {
namespace {

using testing::RecordingMainView;
using testing::RecordingProgressView;
using testing::RecordingServices;
using testing::Utf8Path;

namespace fs = std::filesystem;

const std::string kDriveE = "E:\\";
const std::string kDriveF = "F:\\";

// Through our own listing: the library's directory iterator fails on an empty drive root,
// which has no "." entry.
void Empty(const std::string& drive) {
  for (const DirEntry& entry : ListFolder(drive))
    fs::remove_all(Utf8Path(PhoneTreePath(drive, entry.name)));
}

class DriveRefreshTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Empty(kDriveE);
    Empty(kDriveF);
    list.WriteHeader();
  }
  void TearDown() override {
    Empty(kDriveE);
    Empty(kDriveF);
  }
  void MakeFolder(const std::string& drive, const std::string& relative) {
    fs::create_directories(Utf8Path(PhoneTreePath(drive, relative)));
  }
  void Refresh() { kerovia::Refresh(main, progress, list, services); }

  RecordingMainView main;
  RecordingProgressView progress;
  RecordingServices services;
  FileList list;
};

TEST_F(DriveRefreshTest, TheMappedDrivesAreListedWithTheirTypes) {
  std::vector<Volume> volumes = ListVolumes();
  auto find = [&](const std::string& name) {
    return std::find_if(volumes.begin(), volumes.end(),
                        [&](const Volume& v) { return v.name == name; });
  };
  auto e = find("E:"), f = find("F:");
  ASSERT_NE(e, volumes.end());
  ASSERT_NE(f, volumes.end());
  EXPECT_LT(e, f);
  EXPECT_EQ(e->type, VolumeType::Fixed);
  EXPECT_EQ(f->type, VolumeType::Removable);
  EXPECT_EQ(f->root, kDriveF);
  std::vector<std::string> items = DriveListItems(volumes);
  EXPECT_EQ(items[f - volumes.begin()], "F:");
  EXPECT_EQ(items[e - volumes.begin()].rfind("E: [", 0), 0u) << items[e - volumes.begin()];
}

TEST_F(DriveRefreshTest, TheFirstLetterWithAnAndroidFolderWins) {
  MakeFolder(kDriveE, "Android");
  MakeFolder(kDriveF, "Android");
  EXPECT_EQ(DetectDevice(main, services, ListVolumes()), kDriveE);
  EXPECT_EQ(main.deviceText, "ドライブ E:");

  // A file named "Android" on E: does not make it a phone.
  fs::remove_all(Utf8Path(PhoneTreePath(kDriveE, "Android")));
  std::ofstream(Utf8Path(PhoneTreePath(kDriveE, "Android"))) << "not a folder";
  EXPECT_EQ(DetectDevice(main, services, ListVolumes()), kDriveF);
  EXPECT_EQ(main.deviceText, "ドライブ F:");
  EXPECT_EQ(main.deviceRoot, kDriveF);
  EXPECT_EQ(services.beeps, 0);
}

TEST_F(DriveRefreshTest, UnpluggingDisablesTheButtonsAndPluggingInEnablesThem) {
  MakeFolder(kDriveF, "Android");
  MakeFolder(kDriveF, "Music");
  std::ofstream(Utf8Path(PhoneTreePath(kDriveF, "Music/song.mp3"))) << "x";
  Refresh();
  EXPECT_EQ(main.deviceText, "ドライブ F:");
  EXPECT_EQ(main.countText, "1 ファイル");
  EXPECT_TRUE(main.buttonsEnabled);

  fs::rename(Utf8Path(PhoneTreePath(kDriveF, "Android")),
             Utf8Path(PhoneTreePath(kDriveF, "Android.unplugged")));
  Refresh();
  EXPECT_EQ(main.deviceText, "接続されていません");
  EXPECT_EQ(main.countText, "");
  EXPECT_FALSE(main.buttonsEnabled);
  EXPECT_EQ(main.buttonColour, 0x000000u);
  EXPECT_EQ(services.beeps, 1);

  fs::rename(Utf8Path(PhoneTreePath(kDriveF, "Android.unplugged")),
             Utf8Path(PhoneTreePath(kDriveF, "Android")));
  Refresh();
  EXPECT_EQ(main.deviceText, "ドライブ F:");
  EXPECT_TRUE(main.buttonsEnabled);
  EXPECT_EQ(main.buttonColour, 0xFFFFFFu);
}

TEST_F(DriveRefreshTest, ARefreshListsEveryMediaFileOfThePhoneOnF) {
  PhoneTreeOptions options;
  options.files = 300;
  options.seed = 11;
  PhoneTree tree = MakePhoneTree(kDriveF, options);
  main.Choose(0);
  Refresh();

  // What should be found, worked out from what the generator wrote.
  std::multiset<std::string> expected;
  std::size_t expectedMusic = 0;
  for (const std::string& relative : tree.files)
    for (const MediaCategory& category : MediaCategories())
      for (std::string_view mask : category.masks)
        if (MatchesMask(relative.substr(relative.rfind('/') + 1), mask)) {
          expected.insert(PhoneTreePath(kDriveF, relative));
          if (category.bar == Bar::Music) ++expectedMusic;
        }
  std::multiset<std::string> listed;
  for (int row = 1; row <= list.FileCount; ++row) {
    listed.insert(list.FullPath(row));
    EXPECT_TRUE(fs::is_regular_file(Utf8Path(list.FullPath(row)))) << list.FullPath(row);
  }
  EXPECT_GT(expected.size(), 150u);
  EXPECT_EQ(listed, expected);
  EXPECT_EQ(progress.positions[0], static_cast<int>(expectedMusic));
  EXPECT_EQ(main.deviceText, "ドライブ F:");
  EXPECT_EQ(main.countText, std::to_string(expected.size()) + " ファイル");
  EXPECT_TRUE(main.buttonsEnabled);
  EXPECT_FALSE(progress.shown);
  // Names outside Shift-JIS survive the round trip through the wide file calls.
  for (const char* name :
       {"F:\\Music\\아이유\\Palette\\01 팔레트.m4a", "F:\\DCIM\\Camera\\🎉パーティー.jpeg",
        "F:\\Music\\宇多田ヒカル\\First Love\\01 ファーストラブ.mp3"})
    EXPECT_EQ(listed.count(name), 1u) << name;
  EXPECT_EQ(list.FullPath(1), "F:\\song.mp3") << "the root's .mp3 comes first";
}

}  // namespace
}  // namespace kerovia
