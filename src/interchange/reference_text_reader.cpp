// Reading a text or CSV channel list as a reference order.
#include <algorithm>
#include <new>
#include <optional>

#include "common/text_translation.h"
#include "interchange/csv_cells.h"
#include "interchange/import_texts.h"
#include "interchange/latin1_text.h"
#include "interchange/reference_list.h"
#include "interchange/text_fields.h"

namespace vq {
namespace {

// Which cell of a row holds what; -1 for none.
struct Columns {
  int number = 0;
  int name = 1;
  int ids = 2;  // "network-TS-service" in one cell
  int type = -1;
  int networkId = -1;
  int tsId = -1;
  int serviceId = -1;
};

char SeparatorOf(std::string_view text) {
  const std::string_view first = text.substr(0, text.find('\n'));
  if (first.find(';') != std::string_view::npos) return ';';
  if (first.find('\t') != std::string_view::npos) return '\t';
  return ',';
}

std::optional<Columns> ColumnsOfHeader(const std::vector<std::string>& cells) {
  Columns columns{-1, -1, -1, -1, -1, -1, -1};
  for (size_t i = 0; i < cells.size(); ++i) {
    const std::string title = Latin1Lower(Trimmed(cells[i]));
    const int at = static_cast<int>(i);
    if (title == "number") columns.number = at;
    if (title == "name") columns.name = at;
    if (title == "ids") columns.ids = at;
    if (title == "type") columns.type = at;
    if (title == "network id") columns.networkId = at;
    if (title == "ts id") columns.tsId = at;
    if (title == "service id") columns.serviceId = at;
  }
  if (columns.number < 0 || columns.name < 0) return std::nullopt;
  return columns;
}

std::string_view Cell(const CsvRecord& record, int column) {
  if (column < 0 || static_cast<size_t>(column) >= record.cells.size()) return {};
  return Trimmed(record.cells[static_cast<size_t>(column)]);
}

bool ReadId(std::string_view text, uint16_t& out) {
  uint32_t value = 0;
  if (!ParseDecimal(text, 0xFFFF, value)) return false;
  out = static_cast<uint16_t>(value);
  return true;
}

// The ids of a row: one "network-TS-service" cell or three columns; true
// when there are none or they read.
bool ReadIds(const CsvRecord& record, const Columns& columns, ReferenceEntry& entry) {
  const std::string_view combined = Cell(record, columns.ids);
  if (!combined.empty()) {
    const std::vector<std::string_view> parts = SplitAt(combined, '-', 3);
    entry.hasIds = parts.size() == 3 && ReadId(parts[0], entry.networkId) &&
                   ReadId(parts[1], entry.tsId) && ReadId(parts[2], entry.serviceId);
    return entry.hasIds;
  }
  const std::string_view network = Cell(record, columns.networkId);
  const std::string_view ts = Cell(record, columns.tsId);
  const std::string_view service = Cell(record, columns.serviceId);
  if (network.empty() || ts.empty() || service.empty()) return true;
  entry.hasIds = ReadId(network, entry.networkId) && ReadId(ts, entry.tsId) &&
                 ReadId(service, entry.serviceId);
  return entry.hasIds;
}

int TypeOf(std::string_view text) {
  const std::string lower = Latin1Lower(text);
  if (lower == "tv") return 0;
  if (lower == "radio") return 1;
  if (lower == "data") return 2;
  return -1;
}

ReferenceRead ReadReferenceRows(std::string_view text) {
  ReferenceRead read;
  if (LooksBinary(text)) {
    read.message =
        VQ_TRANSLATE_NOOP("CoreText", "The file is not a channel list: it holds binary data.");
    return read;
  }
  text = WithoutByteOrderMark(text);
  CsvRecordWalk records(text, SeparatorOf(text));
  CsvRecord record;
  bool more = records.Next(record);
  Columns columns;
  uint32_t number = 0;
  if (more && !ParseDecimal(Cell(record, 0), 0xFFFFFFFF, number)) {
    const std::optional<Columns> header = ColumnsOfHeader(record.cells);
    if (!header) {
      read.message = VQ_TRANSLATE_NOOP("CoreText",
                                       "The file is not a channel list: its first row is neither "
                                       "\"number;name\" nor a header naming a Number and a Name "
                                       "column.");
      return read;
    }
    columns = *header;
    more = records.Next(record);
  }
  std::vector<std::pair<uint32_t, ReferenceEntry>> numbered;
  ReferenceList& list = read.list;
  for (; more; more = records.Next(record)) {
    ReferenceEntry entry;
    if (!ParseDecimal(Cell(record, columns.number), 0xFFFFFFFF, number)) {
      list.skipped.Add(record.line, VQ_TRANSLATE_NOOP("CoreText", "the number is not readable"));
      continue;
    }
    if (!ReadIds(record, columns, entry)) {
      list.skipped.Add(
          record.line,
          VQ_TRANSLATE_NOOP("CoreText", "the ids are not \"network-TS-service\" numbers"));
      continue;
    }
    if (numbered.size() == kListEntryLimit) {
      list.skipped.Add(record.line, kBeyondListLimit);
      continue;
    }
    Latin1Text name = Utf8ToLatin1Text(WithoutFormulaGuard(Cell(record, columns.name)));
    list.replacedCharacters += name.replaced;
    entry.name = std::move(name.bytes);
    entry.type = TypeOf(Cell(record, columns.type));
    numbered.emplace_back(number, std::move(entry));
  }
  if (numbered.empty()) {
    read.message = VQ_TRANSLATE_NOOP(
        "CoreText", "The file is not a channel list: no row holds a number and a name.");
    return read;
  }
  std::stable_sort(numbered.begin(), numbered.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (auto& [n, entry] : numbered) list.entries.push_back(std::move(entry));
  read.recognised = true;
  return read;
}

}  // namespace

ReferenceRead ReadReferenceText(std::string_view text) {
  try {
    return ReadReferenceRows(text);
  } catch (const std::bad_alloc&) {
    return {false, import_texts::kNoMemory, {}};
  }
}

}  // namespace vq
