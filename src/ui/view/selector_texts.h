#pragma once
/// @file
/// Entry texts of the list selectors and the selection counter.

#include <string>
#include <string_view>

namespace vq {

/// "%s (TV: %d, Radio: %d, Data: %d)", or "%s (----------EMPTY----------)"
/// when the satellite has no channels.
std::string SatelliteChannelsEntry(std::string_view name, int tv, int radio, int data);
/// "%s (TV: %d, Radio: %d)", or the empty form when the group has no members.
std::string FavoriteGroupEntry(std::string_view name, int tv, int radio);
/// "%s ( %d )", or "%s ( EMPTY )" for a satellite without transponders.
std::string SatelliteTranspondersEntry(std::string_view name, int transponders);
/// "%s of %d" with the "Num" text of the one selected row, "%d channels" when
/// several rows are selected, empty when none is.
std::string SelectionCounterText(int selected, std::string_view selectedNumber, int rows);
/// "%d of %d" and "%d" of the statistics panel.
std::string CountOfText(int count, int capacity);

}  // namespace vq
