#include "vqtool/demo_description.h"

#include <algorithm>

#include "database/channel_types.h"
#include "database/lookup_tables.h"
#include "database/position_text.h"
#include "vqtool/description_fields.h"
#include "vqtool/latin1.h"

namespace vq::tool {
namespace {

class DescriptionBuilder {
 public:
  explicit DescriptionBuilder(SettingsDatabase& db) : db_(db) {
    db_.ResetToDefaults(kModelPvr, true);
  }

  bool Apply(const DescriptionLine& line, std::string& error) {
    error_ = &error;
    DescriptionFields fields(line.tokens);
    bool ok = false;
    if (line.keyword == "model")
      ok = Model(fields);
    else if (line.keyword == "receiver")
      ok = Receiver(fields);
    else if (line.keyword == "group")
      ok = Group(fields);
    else if (line.keyword == "satellite")
      ok = Satellite(fields);
    else if (line.keyword == "transponder")
      ok = Transponder(fields);
    else if (line.keyword == "tv")
      ok = Channel(fields, kTv);
    else if (line.keyword == "radio")
      ok = Channel(fields, kRadio);
    else if (line.keyword == "data")
      ok = Channel(fields, kData);
    else
      return Fail("unknown keyword '" + line.keyword + "'");
    if (!ok) return false;
    const std::string unread = fields.Unread();
    if (!unread.empty()) return Fail("'" + unread + "' is not understood here");
    return true;
  }

 private:
  bool Fail(std::string message) {
    *error_ = std::move(message);
    return false;
  }

  // A required positional word.
  bool Need(DescriptionFields& fields, size_t i, std::string_view what, std::string& out) {
    auto word = fields.Word(i);
    if (!word) return Fail(std::string(what) + " is missing");
    out = std::move(*word);
    return true;
  }

  bool Number(std::string_view what, const std::string& text, long min, long max, long& out) {
    const auto value = ParseNumber(text, min, max);
    if (!value)
      return Fail(std::string(what) + " '" + text + "' is not a number from " +
                  std::to_string(min) + " to " + std::to_string(max));
    out = *value;
    return true;
  }

  // An optional numeric field; `out` keeps its value when the field is absent.
  template <class T>
  bool OptionalNumber(DescriptionFields& fields, std::string_view key, long max, T& out) {
    const auto text = fields.Take(key);
    if (!text) return true;
    long value = 0;
    if (!Number(key, *text, 0, max, value)) return false;
    out = static_cast<T>(value);
    return true;
  }

  bool StoredText(std::string_view what, const std::string& text, size_t width, std::string& out) {
    auto bytes = Utf8ToLatin1(text);
    if (!bytes) return Fail(std::string(what) + " '" + text + "' has characters beyond Latin-1");
    if (bytes->empty() || bytes->size() > width)
      return Fail(std::string(what) + " '" + text + "' must have 1 to " + std::to_string(width) +
                  " characters");
    out = std::move(*bytes);
    return true;
  }

  template <class TextOf>
  bool Choice(std::string_view what, const std::string& text, int count, TextOf textOf, int& out) {
    const auto value = ParseChoice(text, count, textOf);
    if (!value) return Fail("unknown " + std::string(what) + " '" + text + "'");
    out = *value;
    return true;
  }

  bool OnOff(std::string_view what, const std::string& text, bool& out) {
    if (text == "on" || text == "off") {
      out = text == "on";
      return true;
    }
    return Fail(std::string(what) + " must be on or off, not '" + text + "'");
  }

  bool Model(DescriptionFields& fields) {
    if (started_) return Fail("model must come before every satellite");
    std::string text;
    long model = 0;
    if (!Need(fields, 0, "the model", text) || !Number("model", text, 0, 1, model)) return false;
    db_.ResetToDefaults(static_cast<int32_t>(model), true);
    return true;
  }

  bool Receiver(DescriptionFields& fields) {
    ReceiverConfig config = db_.GetConfigRecord();
    if (auto text = fields.Take("longitude"); text && !config.SetLongitudeText(*text))
      return Fail("longitude '" + *text + "' is not like 13.4E");
    if (auto text = fields.Take("latitude"); text && !config.SetLatitudeText(*text))
      return Fail("latitude '" + *text + "' is not like 52.5N");
    if (auto text = fields.Take("gmt")) {
      long minutes = 0;
      if (!Number("gmt", *text, -720, 720, minutes)) return false;
      if (minutes % 30 != 0) return Fail("gmt must be a multiple of 30 minutes");
      config.SetGmtOffset(static_cast<uint8_t>((minutes + 720) / 30));
    }
    int value = 0;
    if (auto text = fields.Take("menu")) {
      if (!Choice("menu language", *text, kMenuLanguageCount, MenuLanguageText, value))
        return false;
      config.SetMenuLanguage(static_cast<uint8_t>(value));
    }
    if (auto text = fields.Take("audio")) {
      if (!Choice("language", *text, kLanguageCount, LanguageText, value)) return false;
      config.SetMainAudioLanguage(static_cast<uint8_t>(value));
    }
    if (auto text = fields.Take("screen")) {
      if (!Choice("screen type", *text, 3, ScreenTypeText, value)) return false;
      config.SetScreenType(static_cast<uint8_t>(value));
    }
    return true;
  }

  bool Group(DescriptionFields& fields) {
    std::string number;
    std::string name;
    std::string stored;
    long g = 0;
    if (!Need(fields, 0, "the group number", number) || !Number("group", number, 1, 8, g) ||
        !Need(fields, 1, "the group name", name) ||
        !StoredText("group name", name, ReceiverConfig::kGroupNameWidth, stored))
      return false;
    db_.SetFavoriteGroupName(static_cast<int>(g - 1), stored);
    return true;
  }

  bool Satellite(DescriptionFields& fields) {
    if (nextSatellite_ >= db_.GetSatelliteCount())
      return Fail("more than " + std::to_string(db_.GetSatelliteCount()) + " satellites");
    std::string name;
    std::string stored;
    std::string position;
    int16_t tenths = 0;
    if (!Need(fields, 0, "the satellite name", name) ||
        !StoredText("satellite name", name, SatelliteRecord::kNameWidth, stored) ||
        !Need(fields, 1, "the orbital position", position))
      return false;
    if (!ParsePositionText(position, 'E', 'W', tenths) || tenths > kMaxLongitudeTenths ||
        tenths < -kMaxLongitudeTenths)
      return Fail("orbital position '" + position + "' is not like 19.2E or 5.0W");

    SatelliteNode* node = db_.GetSatelliteNode(nextSatellite_);
    node->SetName(stored);
    node->Satellite().SetPosition(tenths);
    if (!Lnb(fields, node->Lnb())) return false;
    uint8_t motorIndex = node->Satellite().GetMotorIndex();
    if (!OptionalNumber(fields, "motorindex", 255, motorIndex)) return false;
    node->Satellite().SetMotorIndex(motorIndex);
    satellite_ = node;
    transponder_ = nullptr;
    started_ = true;
    ++nextSatellite_;
    return true;
  }

  bool Lnb(DescriptionFields& fields, LnbRecord lnb) {
    int value = 0;
    bool on = false;
    if (auto text = fields.Take("lnb")) {
      if (!Choice("LNB type", *text, kLnbTypeCount, LnbTypeText, value)) return false;
      lnb.SetType(static_cast<uint32_t>(value));
    }
    uint16_t low = lnb.GetLowOscillator();
    uint16_t high = lnb.GetHighOscillator();
    if (!OptionalNumber(fields, "low", 65535, low) || !OptionalNumber(fields, "high", 65535, high))
      return false;
    lnb.SetLowOscillator(low);
    lnb.SetHighOscillator(high);
    if (auto text = fields.Take("22k")) {
      if (!OnOff("22k", *text, on)) return false;
      lnb.Set22kHz(on);
    }
    if (auto text = fields.Take("12v")) {
      if (!OnOff("12v", *text, on)) return false;
      lnb.Set12V(on);
    }
    if (auto text = fields.Take("switch")) {
      if (!Choice("switch type", *text, kSwitchTypeCount, SwitchTypeText, value)) return false;
      lnb.SetSwitchType(static_cast<uint32_t>(value));
    }
    if (auto text = fields.Take("port")) {
      long port = 0;
      if (!Number("port", *text, 1, 16, port)) return false;
      lnb.SetSwitchPort(static_cast<int>(port));
    }
    if (auto text = fields.Take("burst")) {
      if (!Choice("tone burst", *text, kToneBurstCount, ToneBurstText, value)) return false;
      lnb.SetToneBurst(static_cast<uint32_t>(value));
    }
    if (auto text = fields.Take("motor")) {
      if (!Choice("motor type", *text, kMotorTypeCount, MotorTypeText, value)) return false;
      lnb.SetMotorType(static_cast<uint32_t>(value));
    }
    return true;
  }

  bool Transponder(DescriptionFields& fields) {
    if (!satellite_) return Fail("a transponder needs a satellite line above it");
    std::string frequency;
    std::string polarization;
    std::string symbolRate;
    std::string fec;
    long mhz = 0;
    long ksps = 0;
    int rate = 0;
    if (!Need(fields, 0, "the frequency", frequency) ||
        !Number("frequency", frequency, 1, 65535, mhz) ||
        !Need(fields, 1, "the polarisation", polarization) ||
        !Need(fields, 2, "the symbol rate", symbolRate) ||
        !Number("symbol rate", symbolRate, 1, 65535, ksps) || !Need(fields, 3, "the FEC", fec) ||
        !Choice("FEC", fec, kFecCount, FecText, rate))
      return false;
    const auto pol = ParseChoice(polarization, kPolarizationCount, PolarizationShortText);
    if (!pol) return Fail("polarisation '" + polarization + "' is not H, V or A");

    TransponderNode* node = nullptr;
    if (!db_.AddTransponder(satellite_, &node)) return Fail("the transponder table is full");
    TransponderRecord record = node->Record();
    record.SetFrequency(static_cast<uint16_t>(mhz));
    record.SetPolarization(static_cast<uint32_t>(*pol));
    record.SetSymbolRate(static_cast<uint16_t>(ksps));
    record.SetFec(static_cast<uint32_t>(rate));
    record.SetFtaOnly(fields.TakeFlag("fta"));
    uint16_t tsid = 0;
    uint16_t nid = 0;
    if (!OptionalNumber(fields, "tsid", 65535, tsid) || !OptionalNumber(fields, "nid", 65535, nid))
      return false;
    record.SetTpId(tsid);
    record.SetNetworkId(nid);
    if (auto name = fields.Take("name")) {
      std::string stored;
      if (!StoredText("transponder name", *name, TransponderRecord::kNameWidth, stored))
        return false;
      record.SetName(stored);
    }
    transponder_ = node;
    return true;
  }

  // "PID[:Language]" into `pid` and `language` (Unknown when not given).
  bool AudioTrack(const std::string& text, uint16_t& pid, int& language) {
    const size_t colon = text.find(':');
    long value = 0;
    if (!Number("audio PID", text.substr(0, colon), 0, kMaxPid, value)) return false;
    pid = static_cast<uint16_t>(value);
    language = kLanguageUnknown;
    return colon == std::string::npos ||
           Choice("language", text.substr(colon + 1), kLanguageCount, LanguageText, language);
  }

  bool Channel(DescriptionFields& fields, int type) {
    if (!transponder_) return Fail("a channel needs a transponder line above it");
    std::string name;
    std::string stored;
    if (!Need(fields, 0, "the channel name", name) ||
        !StoredText("channel name", name, ChannelRecord::kNameWidth, stored))
      return false;
    ChannelNode* node = nullptr;
    if (!db_.AddChannel(transponder_, type, &node)) return Fail("the channel table is full");
    ChannelRecord record = node->Record();
    record.SetName(stored);
    return ChannelPids(fields, record) && ChannelAudio(fields, record) &&
           ChannelFlags(fields, node) && ChannelFavorites(fields, node);
  }

  bool ChannelPids(DescriptionFields& fields, ChannelRecord record) {
    uint16_t sid = 0;
    uint16_t pmt = 0;
    uint16_t video = 0;
    uint16_t pcr = 0;
    uint16_t ttx = 0;
    uint16_t ecm = 0;
    if (!OptionalNumber(fields, "sid", 65535, sid) ||
        !OptionalNumber(fields, "pmt", kMaxPid, pmt) ||
        !OptionalNumber(fields, "video", kMaxPid, video) ||
        !OptionalNumber(fields, "ttx", kMaxPid, ttx) ||
        !OptionalNumber(fields, "ecm", kMaxPid, ecm))
      return false;
    pcr = video;
    if (!OptionalNumber(fields, "pcr", kMaxPid, pcr)) return false;
    record.SetProgramId(sid);
    record.SetPmtPid(pmt);
    record.SetVideoPid(video);
    record.SetPcrPid(pcr);
    record.SetTeletextPid(ttx);
    record.SetEcmPid(ecm);
    return true;
  }

  bool ChannelAudio(DescriptionFields& fields, ChannelRecord record) {
    int count = 0;
    if (auto list = fields.Take("audio")) {
      size_t start = 0;
      while (start <= list->size()) {
        const size_t comma = std::min(list->find(',', start), list->size());
        if (count == ChannelRecord::kAudioTrackCount)
          return Fail("more than " + std::to_string(ChannelRecord::kAudioTrackCount) +
                      " audio tracks");
        uint16_t pid = 0;
        int language = 0;
        if (!AudioTrack(list->substr(start, comma - start), pid, language)) return false;
        record.SetAudioPid(count, pid);
        record.SetAudioLanguage(count, static_cast<uint32_t>(language));
        ++count;
        start = comma + 1;
      }
      record.SetAudioCount(static_cast<uint32_t>(count));
      // A radio channel's clock comes with its first audio stream.
      if (record.GetPcrPid() == 0) record.SetPcrPid(record.GetAudioPid(0));
    }
    if (auto ac3 = fields.Take("ac3")) {
      uint16_t pid = 0;
      int language = 0;
      if (!AudioTrack(*ac3, pid, language)) return false;
      record.SetAc3Pid(pid);
      record.SetAc3Language(static_cast<uint32_t>(language));
    }
    if (auto mode = fields.Take("mode")) {
      int value = 0;
      if (!Choice("audio mode", *mode, 4, AudioModeText, value)) return false;
      record.SetAudioMode(static_cast<uint32_t>(value));
    }
    return true;
  }

  bool ChannelFlags(DescriptionFields& fields, ChannelNode* node) {
    ChannelRecord record = node->Record();
    record.SetLocked(fields.TakeFlag("locked"));
    record.SetSkipped(fields.TakeFlag("skipped"));
    int cas = 0;
    if (auto text = fields.Take("cas");
        text && !Choice("CAS system", *text, kCasCount, CasText, cas))
      return false;
    record.SetCas(static_cast<uint32_t>(cas));
    const bool scrambled = fields.TakeFlag("scrambled") || cas != 0;
    if (scrambled) {
      record.SetScrambled(true);
      db_.LeaveFreeList(node);
    }
    return true;
  }

  bool ChannelFavorites(DescriptionFields& fields, ChannelNode* node) {
    const auto list = fields.Take("fav");
    if (!list) return true;
    if (node->Record().GetType() == kData) return Fail("data channels cannot be favourites");
    size_t start = 0;
    while (start <= list->size()) {
      const size_t comma = std::min(list->find(',', start), list->size());
      long g = 0;
      if (!Number("favourite group", list->substr(start, comma - start), 1, 8, g)) return false;
      if (!db_.AddToFavoriteGroup(node, static_cast<int>(g - 1)))
        return Fail("favourite group " + std::to_string(g) + " is full");
      start = comma + 1;
    }
    return true;
  }

  SettingsDatabase& db_;
  std::string* error_ = nullptr;
  int nextSatellite_ = 0;
  bool started_ = false;
  SatelliteNode* satellite_ = nullptr;
  TransponderNode* transponder_ = nullptr;
};

}  // namespace

bool BuildFromDescription(std::string_view text, SettingsDatabase& db, DescriptionError& error) {
  DescriptionBuilder builder(db);
  int number = 0;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = std::min(text.find('\n', start), text.size());
    ++number;
    DescriptionLine line;
    std::string message;
    if (!SplitDescriptionLine(text.substr(start, end - start), line, message) ||
        (!line.keyword.empty() && !builder.Apply(line, message))) {
      error = {number, message};
      return false;
    }
    start = end + 1;
  }
  return true;
}

}  // namespace vq::tool
