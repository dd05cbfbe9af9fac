#pragma once
/// @file
/// A reference order of channels: names and ids in the order another list
/// holds them, with the favourite groups when the reference is a settings
/// file.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "interchange/channel_list.h"

namespace vq {

class SettingsDatabase;

struct ReferenceEntry {
  std::string name;  ///< Latin-1
  int type = -1;     ///< 0 TV, 1 radio, 2 data; -1 when the reference does not say
  bool hasIds = false;
  uint16_t networkId = 0;
  uint16_t tsId = 0;
  uint16_t serviceId = 0;
};

struct ReferenceList {
  std::vector<ReferenceEntry> entries;  ///< in the reference's order
  /// Favourite groups (settings-file references only): names, and members as
  /// entry indexes in their places' order.
  std::vector<std::string> groupNames;
  std::vector<std::vector<int>> groupMembers;
  SkipList skipped;
  int replacedCharacters = 0;
};

struct ReferenceRead {
  bool recognised = false;
  std::string message;
  ReferenceList list;
};

/// The TV channels, then the radio channels, each by channel number, with
/// their ids (network and TS id of their transponder, service id; only when
/// the service id is set) and the eight favourite groups.
ReferenceList ReferenceOfDatabase(const SettingsDatabase& db);

/// The channels of a list in its order (a channels.conf: line order).
ReferenceList ReferenceOfChannelList(const ChannelList& list);

/// A text list of "number;name" lines with an optional third column
/// "network-TS-service" (decimal ids), ';', tab or ',' separated, or a CSV
/// table with a header row naming its "Number" and "Name" columns (and
/// optionally "Type", "Network id", "TS id", "Service id"), as the channel
/// list export writes it. Entries are ordered by number; rows that do not
/// read are listed. UTF-8 (older Latin-1 lists are taken as they are).
ReferenceRead ReadReferenceText(std::string_view text);

/// A reference from a whole file: a settings image (told by its size), else
/// a channels.conf, else a text list. `fromSettings` is set for an image,
/// the only kind with favourite groups.
struct ReferenceFile {
  ReferenceRead read;
  bool fromSettings = false;
};
ReferenceFile ReadReferenceFile(std::string_view bytes);

}  // namespace vq
