#pragma once
/// @file
/// Cells of comma-separated files as spreadsheets read them (RFC 4180).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

/// A text cell: quoted when it holds a separator, a quote, a line end or
/// blanks at its ends (quotes doubled). A text that a spreadsheet would take
/// for a formula (it begins with '=', '+', '-', '@' or a tab) gets a leading
/// apostrophe, so opening a list from elsewhere never runs anything.
std::string CsvTextCell(std::string_view utf8);

/// The text of a cell with the formula guard of CsvTextCell taken off.
std::string_view WithoutFormulaGuard(std::string_view cell);

/// One record of a CSV text with the line it starts on.
struct CsvRecord {
  int line = 0;
  std::vector<std::string> cells;
};

/// Walks the records of a text one by one, split at `separator`, honouring
/// quoted cells (which may hold separators, doubled quotes and line ends).
/// Blank lines give no record. A record keeps its first kCellsKept cells,
/// each cut to kCellLength bytes, so no input costs more than one short
/// record at a time.
class CsvRecordWalk {
 public:
  static constexpr size_t kCellsKept = 64;
  static constexpr size_t kCellLength = 1024;

  CsvRecordWalk(std::string_view text, char separator) : text_(text), separator_(separator) {}
  /// The next record in `record`; false after the last one.
  bool Next(CsvRecord& record);

 private:
  std::string_view text_;
  char separator_;
  size_t at_ = 0;
  int line_ = 1;
};

}  // namespace vq
