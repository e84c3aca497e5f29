#pragma once

#include <string>
#include <vector>

namespace kerovia {

// The hidden three-column text table of the main window that holds the file list.
// Cells beyond the row count are kept; a cell never written reads as "".
class StringGrid {
 public:
  static constexpr int kColumns = 3;

  int RowCount() const { return rowCount_; }
  void SetRowCount(int rows) { rowCount_ = rows; }
  int FixedRows() const { return fixedRows_; }
  void SetFixedRows(int rows) { fixedRows_ = rows; }

  const std::string& Cell(int column, int row) const;
  void SetCell(int column, int row, std::string text);
  // Forgets every cell from row `firstRow` on, also those beyond the row count.
  void ClearFrom(int firstRow);

 private:
  int rowCount_ = 2;
  int fixedRows_ = 1;
  std::vector<std::string> cells_;  // row-major, kColumns per row
};

// The found media files: rows 1 to FileCount of StringGrid1, each holding the folder
// (ending in the separator), the file name and the kind tag ("m", "v", "p").
class FileList {
 public:
  enum Column { kFolder = 0, kName = 1, kKind = 2 };

  StringGrid StringGrid1;
  int FileCount = 0;

  // The header row " ﾌｫﾙﾀﾞ", " ﾌｧｲﾙ", "".
  void WriteHeader();
  // Start of a scan: every row below the header emptied, two rows, FileCount 0.
  void Clear();
  // One found file: its folder part, its name part and the kind tag.
  void Append(const std::string& path, const std::string& kindTag);
  // End of a scan: FileCount + 1 rows, never fewer than 2.
  void Finish();

  // Rows 1 to FileCount.
  const std::string& Folder(int row) const { return StringGrid1.Cell(kFolder, row); }
  const std::string& Name(int row) const { return StringGrid1.Cell(kName, row); }
  const std::string& Kind(int row) const { return StringGrid1.Cell(kKind, row); }
  std::string FullPath(int row) const { return Folder(row) + Name(row); }
};

}  // namespace kerovia
