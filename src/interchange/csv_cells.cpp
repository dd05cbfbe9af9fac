#include "interchange/csv_cells.h"

namespace vq {
namespace {

bool StartsFormula(char c) { return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t'; }

bool NeedsQuotes(std::string_view text) {
  if (text.find_first_of(",;\"\r\n") != std::string_view::npos) return true;
  return !text.empty() && (text.front() == ' ' || text.back() == ' ');
}

}  // namespace

std::string CsvTextCell(std::string_view utf8) {
  std::string text;
  if (!utf8.empty() && StartsFormula(utf8.front())) text += '\'';
  text += utf8;
  if (!NeedsQuotes(text)) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string_view WithoutFormulaGuard(std::string_view cell) {
  if (cell.size() >= 2 && cell.front() == '\'' && StartsFormula(cell[1])) cell.remove_prefix(1);
  return cell;
}

bool CsvRecordWalk::Next(CsvRecord& record) {
  while (at_ < text_.size()) {
    // The record's strings are reused from one record to the next.
    record.line = line_;
    record.cells.resize(1);
    record.cells[0].clear();
    size_t cells = 1;
    bool quoted = false;
    bool cellStarted = false;
    const auto add = [&](char c) {
      std::string& cell = record.cells.back();
      if (cells <= kCellsKept && cell.size() < kCellLength) cell += c;
    };
    const auto endCell = [&] {
      if (++cells <= kCellsKept) record.cells.emplace_back();
      cellStarted = false;
    };
    bool ended = false;
    while (at_ < text_.size() && !ended) {
      const char c = text_[at_++];
      if (c == '\n') ++line_;
      if (quoted) {
        if (c == '"' && at_ < text_.size() && text_[at_] == '"') {
          add('"');
          ++at_;
        } else if (c == '"') {
          quoted = false;
        } else {
          add(c);
        }
      } else if (c == '"' && !cellStarted) {
        quoted = true;
        cellStarted = true;
      } else if (c == separator_) {
        endCell();
      } else if (c == '\n') {
        ended = true;
      } else if (c != '\r') {
        add(c);
        cellStarted = true;
      }
    }
    if (cells > 1 || !record.cells[0].empty()) return true;
  }
  return false;
}

}  // namespace vq
