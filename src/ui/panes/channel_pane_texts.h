#pragma once
/// @file
/// Texts of the channel pane: read-only rows and group summaries.

#include <string>
#include <vector>

namespace vq {

class SatelliteNode;
class TransponderNode;

/// A pane text of two numbers from a printf pattern, in the user's language.
std::string PaneText(const char* pattern, int first, int second);
/// "Total %d (%d empty)": a satellite's transponders.
std::string TransponderCountText(int total, int empty);
/// "%d(%s)": a track's PID and language.
std::string TrackSummary(int pid, int language);
/// The track summary of a track not in use.
inline constexpr const char* kTrackUnused = "  -";
/// "V-%d,PCR-%d".
std::string IdsSummary(int videoPid, int pcrPid);
/// The names joined by ", ", or "None" (translated).
std::string FavoritesSummary(const std::vector<std::string>& names);
/// "T-%d, R-%d, D-%d".
std::string TypeCountsText(int tv, int radio, int data);

/// The read-only rows about a channel's transponder and satellite, and the
/// two groups' summaries.
struct ChannelPlaceTexts {
  std::string frequency;     ///< "%d MHz"
  std::string symbolRate;    ///< "%d Kb/s"
  std::string polarization;  ///< "Horizontal", ... (translated)
  std::string transponderChannels;
  std::string satelliteName;
  std::string position;      ///< "19.2E"
  std::string transponders;  ///< "Total %d (%d empty)"
  std::string satelliteChannels;
  std::string transponderSummary;  ///< "11747H 27500"
  std::string satelliteSummary;    ///< "%s(%s)"
};
/// Texts of a transponder; all empty for none.
ChannelPlaceTexts PlaceTexts(const TransponderNode* transponder);

}  // namespace vq
