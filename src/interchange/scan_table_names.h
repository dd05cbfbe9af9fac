#pragma once
/// @file
/// The names of the dvbv5 scan tables of a collection: each ends in the
/// orbital position it serves ("Astra-1KR-19.2E", "Eutelsat5_5.0W",
/// "EutelsatW2-16E"), and one position may have several tables, one per
/// satellite placed there.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

/// At most this many names are taken from one listing.
inline constexpr size_t kMaxListedTables = 4096;
/// At most this many tables are read for one position (the collection has
/// up to five).
inline constexpr size_t kMaxTablesPerPosition = 16;

/// The orbital position a table name ends in, in tenths of a degree (east
/// positive): a name, then '-' or '_', then whole degrees up to 180 with an
/// optional single decimal, then 'E' or 'W'. Nothing for other names.
std::optional<int16_t> PositionOfTableName(std::string_view name);

/// The table names a listing of a collection holds: a plain list, or the
/// HTML page a web server shows for a folder. Every run of name characters
/// (letters, digits, ".", "_", "+", "-") that ends in a position counts.
/// Sorted, each once, at most kMaxListedTables.
std::vector<std::string> TableNamesInListing(std::string_view listing);

/// The names among `names` whose position is `position`, shortest first
/// (the collection's table of the whole position before those of single
/// satellites), then by name; at most kMaxTablesPerPosition.
std::vector<std::string> TablesAtPosition(const std::vector<std::string>& names, int16_t position);

}  // namespace vq
