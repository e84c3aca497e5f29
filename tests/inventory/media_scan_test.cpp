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

TEST(MediaScanTest, TheCardCountsDuringTheWalkAndRepaintsEveryTenFiles) {
  // One folder per level, one category per folder, so the walk's order does not depend on
  // the listing's: 3 photos in the root, then 12 music, 6 movie and 4 photo files below.
  Scan scan;
  for (int i = 0; i < 3; ++i) scan.drive.Write("IMG_" + std::to_string(i) + ".jpg");
  for (int i = 0; i < 8; ++i) scan.drive.Write("Music/" + std::to_string(i) + ".mp3");
  for (int i = 0; i < 4; ++i) scan.drive.Write("Music/" + std::to_string(i) + ".m4a");
  for (int i = 0; i < 6; ++i) scan.drive.Write("Music/Clips/" + std::to_string(i) + ".mp4");
  for (int i = 0; i < 4; ++i) scan.drive.Write("Music/Clips/Deep/" + std::to_string(i) + ".jpg");
  scan.progress.status = "iTunesへバックアップ中です...";
  std::vector<int> listedAtStep;
  scan.progress.onSetPosition = [&] { listedAtStep.push_back(scan.list.FileCount); };
  RunMediaScan(scan.main, scan.progress, scan.list);

  EXPECT_EQ(scan.progress.status, "Android本体解析中です...");
  EXPECT_EQ(scan.progress.startColour, 0xA4C639u);
  EXPECT_EQ(scan.progress.shows, 1);
  EXPECT_GE(scan.progress.repaints, 1);
  EXPECT_EQ(scan.progress.closes, 1);
  EXPECT_FALSE(scan.progress.shown);
  EXPECT_EQ(scan.progress.setPositionCalls, 3 + 25) << "reset, then one step per file";
  // Walk order: after file 10, 3 photos and 7 music; after file 20, 12 music and 5 movies.
  // (List order would give 10-0-0 and 12-6-2.)
  std::vector<std::array<int, 3>> expected = {{7, 0, 3}, {12, 5, 3}};
  EXPECT_EQ(scan.progress.barsAtRepaint, expected);
  EXPECT_EQ(scan.progress.positions, (std::array<int, 3>{12, 6, 7}));
  // Every step came before the first entry of the list.
  EXPECT_EQ(listedAtStep, std::vector<int>(3 + 25, 0));
  // The list itself keeps mask order, then folder order: folder and extension per row.
  std::vector<std::string> rows, expectedRows;
  for (int row = 1; row <= scan.list.FileCount; ++row)
    rows.push_back(scan.list.Folder(row) + " " + scan.list.Kind(row) + " " +
                   std::filesystem::path(scan.list.Name(row)).extension().string());
  auto add = [&](int count, const std::string& folder, const char* kindAndExtension) {
    std::string text = folder.empty() ? scan.drive.Root() : scan.drive.Path(folder);
    if (text.back() != kPathSeparator) text += kPathSeparator;
    expectedRows.insert(expectedRows.end(), count, text + " " + kindAndExtension);
  };
  add(8, "Music", "m .mp3");
  add(4, "Music", "m .m4a");
  add(6, "Music/Clips", "v .mp4");
  add(3, "", "p .jpg");
  add(4, "Music/Clips/Deep", "p .jpg");
  EXPECT_EQ(rows, expectedRows);
  EXPECT_EQ(scan.main.countText, "25 ファイル");
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
