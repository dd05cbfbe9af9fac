#pragma once
/// @file
/// Where the dvbv5 scan tables come from: a folder of the collection (the
/// installed dtv-scan-tables package) or its base URL on the web, and the
/// tables gathered from either for the comparison.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

/// The satellite tables of the installed dtv-scan-tables package.
inline constexpr std::string_view kInstalledScanTables = "/usr/share/dvb/dvb-s";
/// The satellite folder of the public collection, one file per table name.
inline constexpr std::string_view kPublicScanTables =
    "https://git.linuxtv.org/dtv-scan-tables.git/plain/dvb-s/";
/// Tables (and listings) larger than this are refused: the largest of the
/// collection holds about 40 KB.
inline constexpr size_t kMaxScanTableBytes = size_t{1024} * 1024;
/// A whole update reads at most this many tables and bytes: the satellite
/// tables of the whole collection hold about 300 tables and 3 MB.
inline constexpr size_t kMaxUpdateTables = 256;
inline constexpr size_t kMaxUpdateBytes = size_t{16} * 1024 * 1024;

/// True for an "http://" or "https://" source, false for a folder.
bool IsUrlSource(std::string_view source);

/// One table as read: its name and text, or why it could not be read.
struct FetchedTable {
  std::string name;
  std::string text;
  std::string error;  ///< not empty: the table could not be read
};

/// The tables of a source for the orbital positions asked for.
struct ScanTableSet {
  std::string source;                ///< the folder or URL they came from
  std::vector<FetchedTable> tables;  ///< every table whose name ends in a position asked for
  std::vector<std::string> notes;    ///< what the user should know about the source
};

}  // namespace vq
