#include "inventory/file_list.h"

#include "platform/path.h"

namespace kerovia {

namespace {
const std::string kEmpty;
}

const std::string& StringGrid::Cell(int column, int row) const {
  std::size_t index = static_cast<std::size_t>(row) * kColumns + column;
  if (row < 0 || column < 0 || column >= kColumns || index >= cells_.size()) return kEmpty;
  return cells_[index];
}

void StringGrid::SetCell(int column, int row, std::string text) {
  if (row < 0 || column < 0 || column >= kColumns) return;
  std::size_t index = static_cast<std::size_t>(row) * kColumns + column;
  if (index >= cells_.size()) {
    if (text.empty()) return;
    cells_.resize((static_cast<std::size_t>(row) + 1) * kColumns);
  }
  cells_[index] = std::move(text);
}

void StringGrid::ClearFrom(int firstRow) {
  std::size_t keep = static_cast<std::size_t>(firstRow < 0 ? 0 : firstRow) * kColumns;
  if (keep < cells_.size()) cells_.resize(keep);
}

void FileList::WriteHeader() {
  StringGrid1.SetCell(kFolder, 0, " ﾌｫﾙﾀﾞ");
  StringGrid1.SetCell(kName, 0, " ﾌｧｲﾙ");
}

void FileList::Clear() {
  // Also the rows an interrupted scan wrote beyond the row count: nothing stale survives.
  StringGrid1.ClearFrom(1);
  FileCount = 0;
  StringGrid1.SetRowCount(2);
  StringGrid1.SetFixedRows(1);
}

void FileList::Append(const std::string& path, const std::string& kindTag) {
  ++FileCount;
  StringGrid1.SetCell(kFolder, FileCount, FolderPart(path));
  StringGrid1.SetCell(kName, FileCount, NamePart(path));
  StringGrid1.SetCell(kKind, FileCount, kindTag);
}

void FileList::Finish() {
  int rows = FileCount + 1;
  StringGrid1.SetRowCount(rows <= 1 ? 2 : rows);
  StringGrid1.SetFixedRows(1);
}

}  // namespace kerovia
