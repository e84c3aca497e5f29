#include "inventory/device_detection.h"

#include <gtest/gtest.h>

#include "inventory/media_scan.h"
#include "platform/error.h"
#include "platform/file_attributes.h"
#include "platform/path.h"
#include "tests/inventory/recorders.h"
#include "tests/inventory/test_folder.h"

namespace kerovia {
namespace {

using testing::RecordingMainView;
using testing::RecordingProgressView;
using testing::RecordingServices;
using testing::TestFolder;

Volume VolumeAt(const std::string& root, const std::string& name) {
  return Volume{root, name, VolumeType::Removable, "", std::nullopt};
}

// Four candidate drives in letter order; each test gives them their content.
struct Drives {
  TestFolder d, e, f, g;
  std::vector<Volume> Volumes() const {
    return {VolumeAt(d.Root(), "D:"), VolumeAt(e.Root(), "E:"), VolumeAt(f.Root(), "F:"),
            VolumeAt(g.Root(), "G:")};
  }
};

TEST(DeviceDetectionTest, TheFirstDriveWithAnAndroidFolderWins) {
  Drives drives;
  drives.d.Write("Android");  // a file of that name does not count
  drives.e.MakeFolder("DCIM");
  drives.f.MakeFolder("Android");
  drives.g.MakeFolder("Android");  // a second phone on a later letter is not seen
  RecordingMainView main;
  RecordingServices services;

  auto root = DetectDevice(main, services, drives.Volumes());
  ASSERT_TRUE(root.has_value());
  EXPECT_EQ(*root, drives.f.Root());
  EXPECT_EQ(main.deviceText, "ドライブ F:");
  EXPECT_EQ(main.deviceRoot, drives.f.Root());
  EXPECT_EQ(services.beeps, 0);
  EXPECT_EQ(main.buttonCalls, 0) << "the scan, not detection, enables the buttons";
  EXPECT_EQ(main.countText, "(before)");
  // C0_01 is emptied first and the window repainted once the search is over.
  EXPECT_EQ(main.deviceTextAtRepaint, std::vector<std::string>{"ドライブ F:"});
}

TEST(DeviceDetectionTest, DrivesThatCannotBeReadAreSkipped) {
  Drives drives;
  drives.e.MakeFolder("Android");
  drives.g.MakeFolder("Android");
  std::vector<Volume> volumes = drives.Volumes();
  volumes[0].root = drives.d.Path("no such drive");
  RecordingMainView main;
  RecordingServices services;
  // E: raises an error while it is looked at, as a drive without its medium may.
  FolderTest failingOnE = [&](const std::string& path) {
    if (path == JoinPath(drives.e.Root(), "Android"))
      throw Error("デバイスの準備ができていません。");
    return IsFolder(path);
  };

  auto root = DetectDevice(main, services, volumes, failingOnE);
  ASSERT_TRUE(root.has_value());
  EXPECT_EQ(*root, drives.g.Root());
  EXPECT_EQ(main.deviceText, "ドライブ G:");
}

TEST(DeviceDetectionTest, NoPhoneBeepsAndDisablesTheBackupButtons) {
  Drives drives;
  drives.f.Write("Android");
  RecordingMainView main;
  main.deviceRoot = "F:\\";
  RecordingServices services;
  for (const auto& volumes : {drives.Volumes(), std::vector<Volume>{}}) {
    main.buttonsEnabled = true;
    EXPECT_FALSE(DetectDevice(main, services, volumes).has_value());
    EXPECT_EQ(main.deviceText, "接続されていません");
    EXPECT_EQ(main.deviceRoot, "F:\\") << "the hint keeps the last phone's root";
    EXPECT_EQ(main.countText, "");
    EXPECT_FALSE(main.buttonsEnabled);
    EXPECT_EQ(main.buttonColour, 0x000000u);
    EXPECT_EQ(main.deviceTextAtRepaint.back(), "") << "repainted before the message is set";
  }
  EXPECT_EQ(services.beeps, 2);
}

TEST(DeviceDetectionTest, UnpluggingAndPluggingInAgainAcrossRefreshes) {
  Drives drives;
  drives.f.MakeFolder("Android");
  drives.f.Write("Music/song.mp3");
  RecordingMainView main;
  RecordingProgressView progress;
  RecordingServices services;
  FileList list;
  list.WriteHeader();
  auto refresh = [&] {
    if (DetectDevice(main, services, drives.Volumes())) RunMediaScan(main, progress, list);
  };

  refresh();
  EXPECT_TRUE(main.buttonsEnabled);
  EXPECT_EQ(main.countText, "1 ファイル");

  std::filesystem::rename(testing::Utf8Path(drives.f.Path("Android")),
                          testing::Utf8Path(drives.f.Path("Android.old")));
  refresh();
  EXPECT_EQ(main.deviceText, "接続されていません");
  EXPECT_FALSE(main.buttonsEnabled);
  EXPECT_EQ(main.buttonColour, 0x000000u);
  EXPECT_EQ(list.FileCount, 1) << "the list of the last scan stays";

  drives.f.MakeFolder("Android");
  refresh();
  EXPECT_EQ(main.deviceText, "ドライブ F:");
  EXPECT_TRUE(main.buttonsEnabled);
  EXPECT_EQ(main.buttonColour, 0xFFFFFFu);
  EXPECT_EQ(services.beeps, 1);
}

TEST(DriveListTest, ItemsShowTheDriveAndItsLabelOrShare) {
  struct Case {
    Volume volume;
    const char* item;
  } cases[] = {
      {{"F:\\", "F:", VolumeType::Removable, "", std::nullopt}, "F:"},
      {{"c:\\", "c:", VolumeType::Fixed, "System", std::nullopt}, "C: [SYSTEM]"},
      {{"D:\\", "D:", VolumeType::CdRom, "", std::nullopt}, "D: []"},
      {{"R:\\", "R:", VolumeType::RamDisk, "ramdisk", std::nullopt}, "R: [RAMDISK]"},
      {{"Z:\\", "Z:", VolumeType::Network, "data", std::string("\\\\server\\share")},
       "Z: \\\\SERVER\\SHARE"},
      {{"Y:\\", "Y:", VolumeType::Network, "data", std::nullopt}, "Y: [DATA]"},
      {{"E:\\", "E:", VolumeType::Fixed, "写真", std::nullopt}, "E: [写真]"},
  };
  std::vector<Volume> volumes;
  for (const Case& c : cases) volumes.push_back(c.volume);
  std::vector<std::string> items = DriveListItems(volumes);
  ASSERT_EQ(items.size(), std::size(cases));
  for (std::size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i], cases[i].item);
}

}  // namespace
}  // namespace kerovia
