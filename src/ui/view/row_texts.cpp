#include "ui/view/row_texts.h"

#include "common/text_translation.h"
#include "database/channel_node.h"
#include "database/lookup_tables.h"
#include "database/satellite_node.h"
#include "database/transponder_node.h"

namespace vq {
namespace {

std::string Number(int value) { return std::to_string(value); }

constexpr const char* kNoValue = "-----";

// The state of a switched LNB supply, in the user's language.
std::string OnOff(bool on) {
  return TranslatedText(on ? VQ_TRANSLATE_NOOP("CoreText", "On")
                           : VQ_TRANSLATE_NOOP("CoreText", "Off"));
}

// A name from the lookup tables ("Auto", "Yes", "Off", ...) in the user's
// language where the catalogue has it; the tables themselves stay English.
std::string Shown(std::string_view name) { return TranslatedText(std::string(name)); }

}  // namespace

std::string ChannelCellText(const ChannelNode& channel, int number, int column) {
  const ChannelRecord record = channel.Record();
  const TransponderNode* transponder = channel.GetTransponder();
  const SatelliteNode* satellite = transponder ? transponder->GetSatellite() : nullptr;
  switch (column) {
    case kChanNum: return Number(number);
    case kChanName: return record.GetName();
    case kChanFreq: return transponder ? Number(transponder->Record().GetFrequency()) : "";
    case kChanPol:
      return transponder ? std::string(transponder->Record().GetPolarizationShortText()) : "";
    case kChanSymbolRate:
      return transponder ? Number(transponder->Record().GetSymbolRate()) : "";
    case kChanVideoPid: return Number(record.GetVideoPid());
    case kChanAudioPid: return Number(record.GetAudioPid(record.GetAudioSelected()));
    case kChanSatellite: return satellite ? satellite->GetName() : "";
    case kChanPosition: return satellite ? satellite->Satellite().GetPositionText() : "";
    default: return "";
  }
}

bool ChannelFlag(const ChannelNode& channel, int column) {
  const ChannelRecord record = channel.Record();
  switch (column) {
    case kChanScrambled: return record.IsScrambled();
    case kChanLocked: return record.IsLocked();
    case kChanSkipped: return record.IsSkipped();
    case kChanTeletext: return record.GetTeletextPid() != 0;
    case kChanAc3: return record.GetAc3Pid() != 0;
    case kChanFavorite: return record.IsFavorite();
    default: return false;
  }
}

std::string TransponderCellText(const TransponderNode& transponder, int number, int column) {
  const TransponderRecord record = transponder.Record();
  const SatelliteNode* satellite = transponder.GetSatellite();
  switch (column) {
    case kTpNum: return Number(number);
    case kTpNetwork: return record.GetName();
    case kTpFreq: return Number(record.GetFrequency());
    case kTpPol: return std::string(record.GetPolarizationShortText());
    case kTpSymbolRate: return Number(record.GetSymbolRate());
    case kTpFec: return Shown(record.GetFecText());
    case kTpFta: return Shown(record.GetFtaOnlyText());
    case kTpId: return Number(record.GetTpId());
    case kTpChannels: return Number(transponder.GetChannelCount());
    case kTpSatellite: return satellite ? satellite->GetName() : "";
    case kTpPosition: return satellite ? satellite->Satellite().GetPositionText() : "";
    default: return "";
  }
}

std::string SatelliteCellText(const SatelliteNode& satellite, int column) {
  if (!satellite.HasSatellite() || !satellite.HasLnb()) return column == kSatNum ? "" : kNoValue;
  const SatelliteRecord record = satellite.Satellite();
  const LnbRecord lnb = satellite.Lnb();
  const bool universal = lnb.GetType() == 1;
  switch (column) {
    case kSatNum: return Number(satellite.GetNumber() + 1);
    case kSatName: return satellite.GetName();
    case kSatPosition: return record.GetPositionText();
    case kSatLow: return universal ? Number(lnb.GetLowOscillator()) : kNoValue;
    case kSatHigh: return Number(lnb.GetHighOscillator());
    case kSat22k: return OnOff(lnb.Is22kHz());
    case kSat12V: return OnOff(lnb.Is12V());
    case kSatDiseqc: return Shown(lnb.GetSwitchTypeText());
    case kSatPort: return lnb.GetSwitchType() != 0 ? Number(lnb.GetSwitchPort()) : kNoValue;
    case kSatToneBurst: return Shown(lnb.GetToneBurstText());
    case kSatMotor: return Shown(lnb.GetMotorTypeText());
    case kSatMotorIndex: {
      const int index = record.GetMotorIndex();
      return index >= 1 && index <= 254 ? Number(index) : "--";
    }
    default: return "";
  }
}

}  // namespace vq
