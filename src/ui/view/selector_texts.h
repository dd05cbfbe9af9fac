#pragma once
/// @file
/// Entry texts of the list selectors and the selection counter, in the
/// user's language.

#include <QString>
#include <string_view>

namespace vq {

/// "%s (TV: %d, Radio: %d, Data: %d)", or "%s (----------EMPTY----------)"
/// when the satellite has no channels. `name` is Latin-1.
QString SatelliteChannelsEntry(std::string_view name, int tv, int radio, int data);
/// "%s (TV: %d, Radio: %d)", or the empty form when the group has no members.
QString FavoriteGroupEntry(std::string_view name, int tv, int radio);
/// "%s ( %d )", or "%s ( EMPTY )" for a satellite without transponders.
QString SatelliteTranspondersEntry(std::string_view name, int transponders);
/// "%s of %d" with the "Num" text of the one selected row, "%d channels" when
/// several rows are selected, empty when none is.
QString SelectionCounterText(int selected, const QString& selectedNumber, int rows);
/// "%d of %d" of the statistics panel.
QString CountOfText(int count, int capacity);

}  // namespace vq
