#pragma once
/// @file
/// Comparing the transponders of every satellite in use with the scan tables
/// of its orbital position, and applying a chosen part of the differences.
/// A position is served by several co-located satellites, each with a table
/// of its own, so all tables ending in the position are taken together.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "interchange/scan_table_source.h"

namespace vq {

class SettingsDatabase;
class TransponderRecord;

/// The values of a transponder the comparison looks at.
struct TuningValues {
  uint16_t frequency = 0;    ///< MHz
  uint8_t polarization = 0;  ///< 0 Auto, 1 Horizontal, 2 Vertical
  uint16_t symbolRate = 0;   ///< kS/s
  uint8_t fec = 5;           ///< 0 "1/2" .. 4 "7/8", 5 Auto

  bool operator==(const TuningValues&) const = default;
};

/// The values a stored transponder holds.
TuningValues TuningValuesOf(const TransponderRecord& record);

enum class UpdateKind : uint8_t {
  kNew,       ///< a table lists it, the satellite lacks it
  kChanged,   ///< the symbol rate, polarisation or FEC differ
  kVanished,  ///< no table of the position lists it any more
};

inline constexpr uint16_t kNoTransponderSlot = 0xFFFF;

/// One difference between a satellite and its tables.
struct TransponderUpdate {
  UpdateKind kind = UpdateKind::kNew;
  int satellite = 0;                          ///< satellite number, from 0
  uint16_t transponder = kNoTransponderSlot;  ///< table index (changed, vanished)
  TuningValues before;                        ///< the file's values (changed, vanished)
  TuningValues after;                         ///< the values to write (new, changed)
  bool dvbS2 = false;                         ///< the table lists it as DVB-S2
  int channels = 0;                           ///< channels it carries (changed, vanished)
  std::string table;                          ///< the table listing it (new, changed)
  int line = 0;                               ///< its line in that table

  bool operator==(const TransponderUpdate&) const = default;
};

enum class ComparisonStatus : uint8_t {
  kCompared,
  kNoPosition,       ///< the satellite has no orbital position (0.0)
  kNoTable,          ///< the source has no table for its position
  kNoReadableTable,  ///< every table of its position was skipped
};

struct SkippedTable {
  std::string name;
  std::string reason;
};

/// One satellite in use and what its tables say about it.
struct SatelliteComparison {
  int satellite = 0;  ///< satellite number, from 0
  std::string name;
  int16_t position = 0;
  ComparisonStatus status = ComparisonStatus::kCompared;
  std::vector<std::string> tables;          ///< the tables read for its position
  std::vector<SkippedTable> skippedTables;  ///< malformed or unreadable, with the reason
  int unusableEntries = 0;  ///< entries of the tables read that hold no satellite carrier
  int outsideLnbRange = 0;  ///< listed carriers its LNB cannot receive, not offered
  /// False when a table of the position was skipped: the carriers that table
  /// lists are unknown, so no transponder is called vanished.
  bool vanishedCompared = true;
  std::vector<TransponderUpdate> updates;  ///< by frequency, then polarisation
};

/// Every satellite in use (not a free slot), by number.
struct TransponderComparison {
  std::vector<SatelliteComparison> satellites;

  int Count(UpdateKind kind) const;
  /// Every update of every satellite, in order.
  std::vector<TransponderUpdate> AllUpdates() const;
};

/// The orbital positions of the satellites in use that have one, each once,
/// ascending: the positions whose tables a comparison needs.
std::vector<int16_t> PositionsToCompare(const SettingsDatabase& db);

/// Compares every satellite in use with the tables of its position. A
/// listed carrier is the satellite's transponder with the same polarisation
/// and a frequency at most 2 MHz away (one with Auto polarisation counts
/// too, and then takes the listed polarisation); a carrier listed by two
/// tables counts once, the first table (TablesAtPosition order) winning.
/// The FEC counts as different only where the table names a rate. Nothing
/// in the database changes.
TransponderComparison CompareWithScanTables(const SettingsDatabase& db, const ScanTableSet& set);

struct TransponderUpdateResult {
  int added = 0;
  int changed = 0;
  int removed = 0;
  int channelsRemoved = 0;
  std::vector<std::string> notApplied;  ///< updates the database no longer fits, and why
  std::string message;                  ///< why it stopped; empty when everything was tried

  bool Changed() const { return added > 0 || changed > 0 || removed > 0; }
};

/// The one operation that changes the database: writes the chosen changed
/// values into their transponders, deletes the chosen vanished transponders
/// with their channels (DeleteTransponders, so numbering stays dense and the
/// channels leave their favourite groups), then adds the chosen new ones
/// (AddTransponder). An update whose transponder or satellite no longer
/// matches what was compared is not applied and is listed. A full
/// transponder table stops the additions with the editor's message; what
/// was done before stays, consistent.
TransponderUpdateResult ApplyTransponderUpdates(SettingsDatabase& db,
                                                std::span<const TransponderUpdate> chosen);

}  // namespace vq
