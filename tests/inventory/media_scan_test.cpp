#include "inventory/media_scan.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/error.h"
#include "platform/path.h"
#include "tests/inventory/recorders.h"
#include "tests/inventory/test_folder.h"

namespace kerovia {
namespace {

using testing::RecordingMainView;
using testing::RecordingProgressView;
using testing::TestFolder;

// A small phone: 3 music, 2 movie and 4 photo files, a folder that looks like a movie and
// files that are no media.
void WriteSmallPhone(const TestFolder& drive) {
  for (const char* file :
       {"song.mp3", "Music/Artist/Album/01.M4A", "Download/x.aiff", "Movies/trip.MOV",
        "DCIM/Camera/VID_1.mp4", "DCIM/Camera/IMG_1.jpg", "DCIM/Camera/IMG_2.JPEG",
        "DCIM/.thumbnails/t.png", "Pictures/Screenshots/s.bmp", "Download/readme.txt",
        "Android/data/x.json"})
    drive.Write(file);
  drive.MakeFolder("Movies/clip.mov");
}

struct Scan {
  TestFolder drive;
  RecordingMainView main;
  RecordingProgressView progress;
  FileList list;
  Scan() {
    list.WriteHeader();
    main.deviceRoot = drive.Root();
  }
  std::vector<std::string> Kinds() const {
    std::vector<std::string> kinds;
    for (int row = 1; row <= list.FileCount; ++row) kinds.push_back(list.Kind(row));
    return kinds;
  }
};

TEST(MediaScanTest, TheRadioButtonsChooseTheCategories) {
  struct Case {
    int radio;  // the checked button, -1 none
    std::array<int, 3> bars;
    std::vector<std::string> kinds;
  } cases[] = {
      {0, {3, 2, 4}, {"m", "m", "m", "v", "v", "p", "p", "p", "p"}},
      {1, {3, 0, 0}, {"m", "m", "m"}},
      {2, {0, 2, 0}, {"v", "v"}},
      {3, {0, 0, 4}, {"p", "p", "p", "p"}},  // 写真のみ
      {-1, {0, 0, 0}, {}},
  };
  for (const Case& c : cases) {
    Scan scan;
    WriteSmallPhone(scan.drive);
    scan.main.Choose(c.radio);
    RunMediaScan(scan.main, scan.progress, scan.list);
    EXPECT_EQ(scan.progress.positions, c.bars) << "radio " << c.radio;
    EXPECT_EQ(scan.Kinds(), c.kinds) << "radio " << c.radio;
    EXPECT_EQ(scan.main.countText, std::to_string(c.kinds.size()) + " ファイル");
    EXPECT_EQ(scan.list.StringGrid1.RowCount(), std::max<int>(2, c.kinds.size() + 1));
    EXPECT_TRUE(scan.main.buttonsEnabled) << "also when nothing was found";
    EXPECT_EQ(scan.main.buttonColour, 0xFFFFFFu);
  }
}

TEST(MediaScanTest, EntriesHoldFolderNameAndKind) {
  Scan scan;
  scan.drive.Write("Music/Song.MP3");
  scan.drive.Write("DCIM/Camera/IMG_1.jpg");
  RunMediaScan(scan.main, scan.progress, scan.list);
  ASSERT_EQ(scan.list.FileCount, 2);
  EXPECT_EQ(scan.list.Folder(1), scan.drive.Path("Music") + kPathSeparator);
  EXPECT_EQ(scan.list.Name(1), "Song.MP3");
  EXPECT_EQ(scan.list.Kind(1), "m");
  EXPECT_EQ(scan.list.FullPath(2), scan.drive.Path("DCIM/Camera/IMG_1.jpg"));
  EXPECT_EQ(scan.list.Kind(2), "p");
}

TEST(MediaScanTest, TheCardCountsUpAndRepaintsEveryTenFiles) {
  Scan scan;
  for (int i = 0; i < 14; ++i) scan.drive.Write("Music/" + std::to_string(i) + ".mp3");
  for (int i = 0; i < 9; ++i) scan.drive.Write("DCIM/" + std::to_string(i) + ".jpg");
  scan.progress.status = "iTunesへバックアップ中です...";
  RunMediaScan(scan.main, scan.progress, scan.list);

  EXPECT_EQ(scan.progress.status, "Android本体解析中です...");
  EXPECT_EQ(scan.progress.startColour, 0xA4C639u);
  EXPECT_EQ(scan.progress.shows, 1);
  EXPECT_GE(scan.progress.repaints, 1);
  EXPECT_EQ(scan.progress.closes, 1);
  EXPECT_FALSE(scan.progress.shown);
  EXPECT_EQ(scan.progress.setPositionCalls, 3 + 23) << "reset, then one step per file";
  // After files 10 and 20: music 10; then music 14 and photo 6.
  std::vector<std::array<int, 3>> expected = {{10, 0, 0}, {14, 0, 6}};
  EXPECT_EQ(scan.progress.barsAtRepaint, expected);
  EXPECT_EQ(scan.main.countText, "23 ファイル");
}

TEST(MediaScanTest, AnErrorLeavesTheCardShownAndTheMainWindowAsItWas) {
  Scan scan;
  scan.drive.Write("a.mp3");
  RunMediaScan(scan.main, scan.progress, scan.list);
  ASSERT_EQ(scan.list.StringGrid1.RowCount(), 2);
  scan.drive.Write("b.mp3");
  RunMediaScan(scan.main, scan.progress, scan.list);
  ASSERT_EQ(scan.list.StringGrid1.RowCount(), 3);

  // The phone is pulled out: its root is gone.
  scan.main.deviceRoot = scan.drive.Path("unplugged");
  scan.main.countText = "2 ファイル";
  int buttonCalls = scan.main.buttonCalls;
  EXPECT_THROW(RunMediaScan(scan.main, scan.progress, scan.list), Error);
  EXPECT_TRUE(scan.progress.shown);
  EXPECT_EQ(scan.main.countText, "2 ファイル");
  EXPECT_EQ(scan.main.buttonCalls, buttonCalls);
  EXPECT_EQ(scan.list.StringGrid1.RowCount(), 3);
}

}  // namespace
}  // namespace kerovia
