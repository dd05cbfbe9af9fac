#pragma once
/// @file
/// Copying the attributes of a stored record onto a record of the database,
/// leaving the target's place in the database (numbers, links, favourite
/// places, type) as it is.

#include "editing/clipboard/clip_payloads.h"

namespace vq {

/// Name, flags, audio tracks with their languages and PIDs, the other PIDs,
/// program ID and CAS system. The scrambled bit is only ever set: a target
/// that becomes scrambled is filed at the end of its type's scrambled list.
void CopyChannelAttributes(SettingsDatabase& db, ChannelNode& target, const StoredChannel& from);

/// Frequency, symbol rate, polarisation, FEC, FTA only, ECM channel ID, TP
/// ID, network ID and ECM CAS ID; the network name is the caller's choice.
void CopyTransponderAttributes(TransponderNode& target, const StoredTransponder& from);

/// Name (satellite and LNB record), orbital position, motor position index,
/// the antenna set-up of the LNB record and the three predefined channels.
void CopySatelliteAttributes(SatelliteNode& target, const StoredSatellite& satellite,
                             const StoredLnb& lnb);

}  // namespace vq
