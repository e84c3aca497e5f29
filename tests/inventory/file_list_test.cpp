#include "inventory/file_list.h"

#include <gtest/gtest.h>

#include "platform/path.h"

namespace kerovia {
namespace {

std::string Path(std::initializer_list<std::string> parts) {
  std::string path;
  for (const auto& p : parts) path = path.empty() ? p + kPathSeparator : JoinPath(path, p);
  return path;
}

TEST(FileListTest, AppendSplitsFolderAndNameAndFinishSetsTheRowCount) {
  FileList list;
  list.WriteHeader();
  list.Clear();
  list.Append(Path({"F:", "DCIM", "Camera", "IMG_0001.jpg"}), "p");
  list.Append(Path({"F:", "song.mp3"}), "m");
  list.Finish();

  EXPECT_EQ(list.FileCount, 2);
  EXPECT_EQ(list.StringGrid1.RowCount(), 3);
  EXPECT_EQ(list.StringGrid1.FixedRows(), 1);
  EXPECT_EQ(list.StringGrid1.Cell(0, 0), " ﾌｫﾙﾀﾞ");
  EXPECT_EQ(list.StringGrid1.Cell(1, 0), " ﾌｧｲﾙ");
  EXPECT_EQ(list.StringGrid1.Cell(2, 0), "");
  EXPECT_EQ(list.Folder(1), Path({"F:", "DCIM", "Camera", ""}));
  EXPECT_EQ(list.Name(1), "IMG_0001.jpg");
  EXPECT_EQ(list.Kind(1), "p");
  EXPECT_EQ(list.FullPath(2), Path({"F:", "song.mp3"}));
}

TEST(FileListTest, AnEmptyScanKeepsTwoRowsTheSecondEmpty) {
  FileList list;
  list.WriteHeader();
  list.Clear();
  list.Finish();
  EXPECT_EQ(list.FileCount, 0);
  EXPECT_EQ(list.StringGrid1.RowCount(), 2);
  for (int column = 0; column < 3; ++column) EXPECT_EQ(list.StringGrid1.Cell(column, 1), "");
}

TEST(FileListTest, ASmallerScanLeavesNoStaleRows) {
  FileList list;
  list.WriteHeader();
  list.Clear();
  for (int i = 0; i < 5; ++i) list.Append(Path({"F:", "a" + std::to_string(i) + ".mp3"}), "m");
  list.Finish();
  // A scan interrupted after writing beyond the row count, then a smaller one.
  list.Append(Path({"F:", "late.mp3"}), "m");
  list.Clear();
  list.Append(Path({"F:", "b.jpg"}), "p");
  list.Finish();

  EXPECT_EQ(list.FileCount, 1);
  EXPECT_EQ(list.StringGrid1.RowCount(), 2);
  EXPECT_EQ(list.Name(1), "b.jpg");
  EXPECT_EQ(list.StringGrid1.Cell(0, 0), " ﾌｫﾙﾀﾞ");  // the header survives a clear
  for (int row = 2; row <= 7; ++row)
    for (int column = 0; column < 3; ++column)
      EXPECT_EQ(list.StringGrid1.Cell(column, row), "") << "row " << row;
}

}  // namespace
}  // namespace kerovia
