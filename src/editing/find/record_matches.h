#pragma once
/// @file
/// Which records a search finds.

namespace vq {

class ChannelNode;
class FindQuery;
class SatelliteNode;
class TransponderNode;

/// A channel matches by its name, or by number: its transponder's frequency,
/// its service id (program ID) and its PIDs (video, audio tracks in use, PCR,
/// teletext, AC3, PMT, ECM).
bool ChannelMatches(const FindQuery& query, const ChannelNode& channel);
/// A transponder matches by its network name, or by number: frequency,
/// symbol rate, TP ID and Network ID.
bool TransponderMatches(const FindQuery& query, const TransponderNode& transponder);
/// A satellite matches by its name or its position text ("19.2E"), or by
/// number: its LNB's low and high oscillator frequencies.
bool SatelliteMatches(const FindQuery& query, const SatelliteNode& satellite);

}  // namespace vq
