#pragma once
/// @file
/// The fields of one line of a VDR channels.conf:
/// Name,Short;Provider:Frequency:Parameters:Source:SymbolRate:VPID:APID:TPID:CA:SID:NID:TID:RID

#include <cstdint>
#include <string_view>
#include <vector>

#include "interchange/channel_list.h"

namespace vq {

/// The tuning parameters of a satellite entry ("HC34M2O35S1"): one letter per
/// parameter, followed by its value except for the polarisations H, V, L and
/// R. Letters the records have no use for are passed over.
struct VdrParameters {
  uint8_t polarization = 0;  ///< H and L 1, V and R 2 (circular as the LNB supply sees it)
  uint8_t fec = 5;
  DeliverySystem system = DeliverySystem::kDvbS;
};
bool ParseVdrParameters(std::string_view text, VdrParameters& out);

/// "S19.2E" gives kind 'S' and position 192; "S5.0W" -50. Other sources
/// (one capital: "C", "T", ...) give their letter and no position.
bool ParseVdrSource(std::string_view text, char& kind, int16_t& position);

/// "VPID[+PCR][=STREAMTYPE]"; without "+PCR" the PCR is carried by the video
/// PID. `hasVideo` is set for an elementary-stream PID whose stream type (if
/// given) is a video type.
struct VdrVideo {
  uint16_t pid = 0;
  uint16_t pcr = 0;
  bool hasVideo = false;
};
bool ParseVdrVideo(std::string_view text, VdrVideo& out);

/// "A1=lang@type,A2=lang;D1=lang@type": audio PIDs, then the Dolby PIDs
/// behind ';'. PID 0 entries are empty places.
struct VdrAudio {
  std::vector<ListedAudio> audio;
  std::vector<ListedAudio> dolby;
};
bool ParseVdrAudio(std::string_view text, VdrAudio& out);

/// "TPID[;SPID=lang,...]": the teletext PID; subtitle PIDs are not stored.
bool ParseVdrTeletext(std::string_view text, uint16_t& pid);

/// "0" or hexadecimal CA values separated by commas.
bool ParseVdrCa(std::string_view text, std::vector<uint16_t>& ids);

/// "Name,Short;Provider" with '|' standing for ':': the name (the short name
/// after the last comma dropped) and the provider, both still UTF-8.
struct VdrNames {
  std::string name;
  std::string provider;
};
VdrNames SplitVdrNames(std::string_view text);

}  // namespace vq
