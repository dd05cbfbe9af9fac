#include "interchange/scan_table_folder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "common/translated_format.h"
#include "interchange/scan_table_names.h"

namespace vq {
namespace {

// Reads one table of at most `budget` bytes (what is left of the update's).
FetchedTable ReadTable(const std::filesystem::path& path, size_t budget) {
  FetchedTable table;
  table.name = path.filename().string();
  std::error_code ec;
  const uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) {
    table.error = ec.message();
    return table;
  }
  if (size > kMaxScanTableBytes) {
    table.error = TranslatedFormat(VQ_TRANSLATE_NOOP("CoreText", "larger than %zu KB"),
                                   static_cast<size_t>(kMaxScanTableBytes / 1024));
    return table;
  }
  if (size > budget) {
    table.error =
        TranslatedFormat(VQ_TRANSLATE_NOOP("CoreText", "not read: an update reads at most %zu KB"),
                         static_cast<size_t>(kMaxUpdateBytes / 1024));
    return table;
  }
  std::ifstream in(path, std::ios::binary);
  table.text.resize(static_cast<size_t>(size));
  if (!in.read(table.text.data(), static_cast<std::streamsize>(size))) {
    table.text.clear();
    table.error = TranslatedText(VQ_TRANSLATE_NOOP("CoreText", "could not be read"));
  }
  return table;
}

}  // namespace

bool ScanTableNamesIn(const std::string& folder, std::vector<std::string>& names,
                      std::string& error) {
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    std::error_code kind;
    if (it->is_regular_file(kind) && names.size() < kMaxListedTables)
      names.push_back(it->path().filename().string());
  }
  if (ec) {
    error = TranslatedFormat(VQ_TRANSLATE_NOOP("CoreText", "the folder %s cannot be read: %s"),
                             folder.c_str(), ec.message().c_str());
    return false;
  }
  return true;
}

bool ReadScanTableFolder(const std::string& folder, std::span<const int16_t> positions,
                         ScanTableSet& tables, std::string& error) {
  tables.source = folder;
  std::vector<std::string> names;
  if (!ScanTableNamesIn(folder, names, error)) return false;
  size_t budget = kMaxUpdateBytes;
  for (const int16_t position : positions)
    for (const std::string& name : TablesAtPosition(names, position)) {
      if (tables.tables.size() == kMaxUpdateTables) return true;
      tables.tables.push_back(ReadTable(std::filesystem::path(folder) / name, budget));
      budget -= tables.tables.back().text.size();
    }
  return true;
}

}  // namespace vq
