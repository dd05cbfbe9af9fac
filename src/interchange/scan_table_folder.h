#pragma once
/// @file
/// Reading the scan tables of some orbital positions from a folder.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "interchange/scan_table_source.h"

namespace vq {

/// The names of the files in `folder` (at most kMaxListedTables). False
/// with `error` set when the folder cannot be listed.
bool ScanTableNamesIn(const std::string& folder, std::vector<std::string>& names,
                      std::string& error);

/// Reads every table of `folder` whose name ends in one of `positions`;
/// a table that cannot be read, or is larger than kMaxScanTableBytes, is
/// kept with its error. False with `error` set when the folder cannot be
/// listed.
bool ReadScanTableFolder(const std::string& folder, std::span<const int16_t> positions,
                         ScanTableSet& tables, std::string& error);

}  // namespace vq
