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

std::vector<CsvRecord> ReadCsvRecords(std::string_view text, char separator) {
  std::vector<CsvRecord> records;
  CsvRecord record;
  std::string cell;
  bool quoted = false;
  bool cellStarted = false;
  int line = 1;
  record.line = 1;
  auto endCell = [&] {
    record.cells.push_back(std::move(cell));
    cell.clear();
    cellStarted = false;
  };
  auto endRecord = [&](int nextLine) {
    endCell();
    const bool blank = record.cells.size() == 1 && record.cells.front().empty();
    if (!blank) records.push_back(std::move(record));
    record = CsvRecord{nextLine, {}};
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\n') ++line;
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        cell += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        cell += c;
      }
    } else if (c == '"' && !cellStarted) {
      quoted = true;
      cellStarted = true;
    } else if (c == separator) {
      endCell();
    } else if (c == '\n') {
      endRecord(line);
    } else if (c != '\r') {
      cell += c;
      cellStarted = true;
    }
  }
  if (cellStarted || !cell.empty() || !record.cells.empty()) endRecord(line);
  return records;
}

}  // namespace vq
