#pragma once
/// @file
/// The neutral list every foreign format is read into and written from:
/// satellites, transponders and channels with the values the records hold,
/// tied together by indexes. Texts are Latin-1, as stored.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/text_translation.h"
#include "database/lookup_tables.h"
#include "interchange/skip_list.h"

namespace vq {

/// Files of lists larger than this are refused (a full channels.conf is
/// about 1 MB).
inline constexpr size_t kListFileLimit = size_t{64} << 20;

/// Entries of each kind (channels, transponders, groups) a reader keeps; no
/// receiver holds as many. Further entries are listed as skipped.
inline constexpr size_t kListEntryLimit = 65536;
inline constexpr const char* kBeyondListLimit =
    VQ_TRANSLATE_NOOP("CoreText", "left out: the list holds more entries than an import takes");

enum class DeliverySystem : uint8_t { kDvbS, kDvbS2 };

struct ListedSatellite {
  int16_t position = 0;  ///< tenths of a degree, east positive
  std::string name;      ///< empty when the file names none
};

struct ListedTransponder {
  int satellite = -1;        ///< index into ChannelList::satellites; -1 the caller's choice
  uint16_t frequency = 0;    ///< MHz
  uint8_t polarization = 0;  ///< 0 Auto, 1 Horizontal, 2 Vertical
  uint16_t symbolRate = 0;   ///< kS/s
  uint8_t fec = 5;           ///< 0 "1/2" .. 4 "7/8", 5 Auto
  bool fecNamed = false;     ///< the list names a rate (Auto then stands for one the record lacks)
  DeliverySystem system = DeliverySystem::kDvbS;
  uint16_t networkId = 0;
  uint16_t tsId = 0;
  std::string name;  ///< network name; empty keeps the default
  int line = 0;
};

struct ListedAudio {
  uint16_t pid = 0;
  uint8_t language = kLanguageUnknown;
};

struct ListedChannel {
  int transponder = -1;  ///< index into ChannelList::transponders
  std::string name;
  int type = 0;     ///< 0 TV, 1 radio, 2 data
  int number = -1;  ///< place in its type's list from 0; -1 when the file gives none
  uint16_t videoPid = 0;
  uint16_t pcrPid = 0;
  std::vector<ListedAudio> audio;  ///< at most six tracks are stored
  uint16_t ac3Pid = 0;
  uint8_t ac3Language = kLanguageUnknown;
  uint16_t teletextPid = 0;
  uint16_t serviceId = 0;
  bool scrambled = false;
  uint8_t cas = 0;
  bool locked = false;
  bool skipped = false;
  std::vector<int> groups;  ///< indexes into ChannelList::groups
  int line = 0;
};

/// A whole list as read from a file or collected from a database. Channels
/// stand in the file's order (or by type and number when collected).
struct ChannelList {
  std::vector<ListedSatellite> satellites;
  std::vector<ListedTransponder> transponders;
  std::vector<ListedChannel> channels;
  std::vector<std::string> groups;  ///< group names
  SkipList skipped;                 ///< entries the reader left out
  int replacedCharacters = 0;       ///< characters without a Latin-1 form
};

/// What a reader made of a file. `recognised` is false when the file is not
/// of the format at all; `message` then says so and the list is unusable.
struct ChannelListRead {
  bool recognised = false;
  std::string message;
  ChannelList list;
};

}  // namespace vq
