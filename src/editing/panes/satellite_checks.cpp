#include "editing/panes/satellite_checks.h"

#include <cctype>
#include <cstdio>

#include "database/lnb_record.h"
#include "database/position_text.h"
#include "database/settings_database.h"
#include "editing/commands/command_frame.h"
#include "editing/panes/record_pane_texts.h"

namespace vq {
namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool IsUnit(std::string_view text) {
  return text.size() == 3 && std::tolower(static_cast<unsigned char>(text[0])) == 'm' &&
         std::tolower(static_cast<unsigned char>(text[1])) == 'h' &&
         std::tolower(static_cast<unsigned char>(text[2])) == 'z';
}

// The satellite's value of a field, or the draft's where it holds one.
int Effective(const SatelliteDraft& draft, const SatelliteNode& satellite, SatelliteField field) {
  return draft.Known(field) ? draft.Value(field) : ReadSatelliteField(satellite, field);
}

}  // namespace

std::optional<int> ReadOscillatorText(std::string_view text) {
  text = Trimmed(text);
  size_t digits = 0;
  while (digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits])) != 0)
    ++digits;
  if (digits == 0 || digits > 5) return std::nullopt;
  const std::string_view rest = Trimmed(text.substr(digits));
  if (!rest.empty() && !IsUnit(rest)) return std::nullopt;
  int value = 0;
  for (size_t i = 0; i < digits; ++i) value = value * 10 + (text[i] - '0');
  const FieldRange range = RangeOf(SatelliteField::kHighOscillator);
  if (value < range.minimum || value > range.maximum) return std::nullopt;
  return value;
}

std::string TakeSatelliteName(SatelliteDraft& draft, std::string_view name) {
  if (name.empty()) return texts::kEmptySatelliteName;
  draft.SetName(name);
  return {};
}

std::string TakePositionText(SatelliteDraft& draft, std::string_view text) {
  int16_t tenths = 0;
  if (!ParsePositionText(Trimmed(text), 'E', 'W', tenths) ||
      !draft.Set(SatelliteField::kPosition, tenths))
    return texts::kInvalidLongitude;
  return {};
}

std::string TakeOscillatorText(SatelliteDraft& draft, SatelliteField oscillator,
                               std::string_view text) {
  const std::optional<int> mhz = ReadOscillatorText(text);
  if (!mhz) return texts::kInvalidFrequency;
  const bool high = oscillator == SatelliteField::kHighOscillator;
  const SatelliteField other =
      high ? SatelliteField::kLowOscillator : SatelliteField::kHighOscillator;
  const bool universal =
      draft.Known(SatelliteField::kLnbType) && draft.Value(SatelliteField::kLnbType) == 1;
  if (universal && draft.Known(other)) {
    if (high && *mhz <= draft.Value(other)) return texts::kHighNotAboveLow;
    if (!high && *mhz >= draft.Value(other)) return texts::kLowNotBelowHigh;
  }
  if (!draft.Set(oscillator, *mhz)) return texts::kInvalidFrequency;
  return {};
}

std::string TakeMotorIndex(SatelliteDraft& draft, const SettingsDatabase& db, int index) {
  if (index != 0) {
    const std::vector<SatelliteNode*> own = draft.Resolve(db);
    // Several satellites given one index would share it.
    if (own.size() > 1) return FormatText(texts::kMotorIndexUsed, own[1]->GetName(), 0);
    for (int n = 0; n < db.GetSatelliteCount(); ++n) {
      const SatelliteNode* s = db.GetSatelliteNode(n);
      if (s && s->HasSatellite() && !draft.Holds(*s) && s->Satellite().GetMotorIndex() == index)
        return FormatText(texts::kMotorIndexUsed, s->GetName(), 0);
    }
  }
  draft.Set(SatelliteField::kMotorIndex, index);
  return {};
}

std::string TakePredefinedFrequency(SatelliteDraft& draft, const SettingsDatabase& db, int k,
                                    int mhz) {
  for (const SatelliteNode* s : draft.Resolve(db)) {
    const int type = Effective(draft, *s, SatelliteField::kLnbType);
    const bool low =
        type == 1 && OscillatorAccepts(Effective(draft, *s, SatelliteField::kLowOscillator), mhz);
    if (!low && !OscillatorAccepts(Effective(draft, *s, SatelliteField::kHighOscillator), mhz))
      return texts::kFrequencyOutsideLnb;
  }
  draft.Set(PredefinedField(k, PredefinedPart::kFrequency), mhz);
  return {};
}

}  // namespace vq
