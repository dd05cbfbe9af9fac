#pragma once
// A whole database as stable lines of text, one per record, for reading and
// for line-based diffs (git's textconv): the model, each settings category,
// each satellite slot, each favourite group with its members, each
// transponder by satellite, frequency and polarisation, and each channel by
// type and number. Table slots, which move with every edit, are not shown.

#include <ostream>

#include "database/settings_database.h"

namespace vq::tool {

void WriteTextDump(const SettingsDatabase& db, std::ostream& out);

}  // namespace vq::tool
