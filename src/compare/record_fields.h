#pragma once
/// @file
/// The fields of satellites, transponders and channels that a comparison
/// looks at, and copying them from one database's record into another's.
/// The fields that tie a record into its database (numbers, links,
/// favourite places, a channel's type) are neither compared nor copied;
/// every other stored byte is, so a copy leaves no difference behind.

#include <string>
#include <utility>
#include <vector>

#include "compare/database_comparison.h"

namespace vq {

class ChannelRecord;
class SatelliteNode;
class TransponderRecord;

/// The fields of `b` that differ from `a`. Bytes outside the named fields
/// that differ are reported as "other bytes" when no named field differs.
std::vector<FieldChange> SatelliteFieldChanges(const SatelliteNode& a, const SatelliteNode& b);
std::vector<FieldChange> TransponderFieldChanges(const TransponderRecord& a,
                                                 const TransponderRecord& b);
std::vector<FieldChange> ChannelFieldChanges(const ChannelRecord& a, const ChannelRecord& b);

/// Every named field with its value, in the order the comparison reports
/// them (a satellite's LNB fields after its own).
using FieldValues = std::vector<std::pair<std::string, std::string>>;
FieldValues SatelliteFieldValues(const SatelliteNode& satellite);
FieldValues TransponderFieldValues(const TransponderRecord& record);
FieldValues ChannelFieldValues(const ChannelRecord& record);

/// Copies the compared bytes of `from` into `to`. A channel's scrambled bit
/// is copied too; refiling it is the caller's business.
void CopySatelliteFields(const SatelliteNode& from, SatelliteNode& to);
void CopyTransponderFields(const TransponderRecord& from, TransponderRecord& to);
void CopyChannelFields(const ChannelRecord& from, ChannelRecord& to);

}  // namespace vq
