#pragma once
// Builds a settings database from a demo description: a text of one item per
// line, read top to bottom.
//
//   model 1                                  (optional, before any satellite)
//   receiver longitude=13.4E latitude=52.5N gmt=60 menu=German audio=German
//   group 1 "News"                           favourite group name, 1..8
//   satellite "Astra 19.2E" 19.2E lnb=universal low=9750 high=10600 22k=on
//             switch="4 Port" port=1 [12v=on] [burst=off] [motor=usals]
//   transponder 11494 H 22000 2/3 [tsid=1101] [nid=1] [name="..."] [fta]
//   tv|radio|data "Name" sid=... pmt=... video=... pcr=... ttx=...
//             audio=5102:German,5103:English ac3=5106:German cas=Nagra
//             ecm=... mode=stereo fav=1,3 [locked] [skipped] [scrambled]
//
// Satellites fill the satellite nodes in order; transponders belong to the
// satellite above them and channels to the transponder above them. Names are
// UTF-8 limited to Latin-1 and stored as single bytes.

#include <string>
#include <string_view>

#include "database/settings_database.h"

namespace vq::tool {

struct DescriptionError {
  int line = 0;  // 1-based; 0 for a problem of the whole text
  std::string message;
};

// Resets `db` and fills it from `text`; on failure `error` names the line.
bool BuildFromDescription(std::string_view text, SettingsDatabase& db, DescriptionError& error);

}  // namespace vq::tool
