#include "editing/panes/satellite_draft.h"

#include <algorithm>
#include <cstring>

#include "database/lookup_tables.h"
#include "database/settings_database.h"
#include "editing/commands/command_frame.h"
#include "editing/commands/editing_view.h"

namespace vq {
namespace {

constexpr size_t kBytesPerSatellite = SatelliteRecord::kSize + LnbRecord::kSize;
constexpr int kFirstPredefined = static_cast<int>(SatelliteField::kPredefined1);

int ReadPredefined(const SatelliteRecord& r, int k, PredefinedPart part) {
  switch (part) {
    case PredefinedPart::kFrequency:
      return r.GetPredefinedFrequency(k);
    case PredefinedPart::kSymbolRate:
      return r.GetPredefinedSymbolRate(k);
    case PredefinedPart::kPolarization:
      return r.GetPredefinedPolarization(k);
    case PredefinedPart::kVideoPid:
      return r.GetPredefinedVideoPid(k);
    case PredefinedPart::kAudioPid:
      return r.GetPredefinedAudioPid(k);
    case PredefinedPart::kPcrPid:
      return r.GetPredefinedPcrPid(k);
  }
  return 0;
}

}  // namespace

SatelliteField PredefinedField(int k, PredefinedPart part) {
  return static_cast<SatelliteField>(kFirstPredefined + k * kPredefinedParts +
                                     static_cast<int>(part));
}

int PredefinedOf(SatelliteField field, PredefinedPart* part) {
  const int f = static_cast<int>(field) - kFirstPredefined;
  if (f < 0 || f >= SatelliteRecord::kPredefinedCount * kPredefinedParts) return -1;
  if (part) *part = static_cast<PredefinedPart>(f % kPredefinedParts);
  return f / kPredefinedParts;
}

int SwitchPortCount(int switchType) {
  switch (switchType) {
    case 1:
      return 2;
    case 2:
      return 4;
    case 3:
    case 9:
      return 8;
    case 4:
      return 16;
    case 10:
      return 10;
    default:
      return 0;
  }
}

FieldRange RangeOf(SatelliteField field) {
  PredefinedPart part{};
  if (PredefinedOf(field, &part) >= 0) {
    switch (part) {
      case PredefinedPart::kFrequency:
        return {3000, 12750};
      case PredefinedPart::kSymbolRate:
        return {kMinSymbolRate, kMaxSymbolRate};
      case PredefinedPart::kPolarization:
        return {0, kPolarizationCount - 1};
      default:
        return {0, kMaxPid};
    }
  }
  switch (field) {
    case SatelliteField::kPosition:
      return {INT16_MIN, INT16_MAX};
    case SatelliteField::kHighOscillator:
    case SatelliteField::kLowOscillator:
      return {5000, 12000};
    case SatelliteField::kSwitchType:
      return {0, kSwitchTypeCount - 1};
    case SatelliteField::kSwitchPort:
      return {1, 16};
    case SatelliteField::kToneBurst:
      return {0, kToneBurstCount - 1};
    case SatelliteField::kMotorType:
      return {0, kMotorTypeCount - 1};
    case SatelliteField::kMotorIndex:
      return {0, 64};
    default:
      return {0, 1};
  }
}

int ReadSatelliteField(const SatelliteNode& satellite, SatelliteField field) {
  const SatelliteRecord r = satellite.Satellite();
  const LnbRecord lnb = satellite.Lnb();
  PredefinedPart part{};
  if (const int k = PredefinedOf(field, &part); k >= 0) return ReadPredefined(r, k, part);
  switch (field) {
    case SatelliteField::kPosition:
      return r.GetPosition();
    case SatelliteField::kLnbType:
      return lnb.GetType();
    case SatelliteField::kHighOscillator:
      return lnb.GetHighOscillator();
    case SatelliteField::kLowOscillator:
      return lnb.GetLowOscillator();
    case SatelliteField::kTone22k:
      return lnb.Is22kHz() ? 1 : 0;
    case SatelliteField::kOutput12v:
      return lnb.Is12V() ? 1 : 0;
    case SatelliteField::kSwitchType:
      return lnb.GetSwitchType();
    case SatelliteField::kSwitchPort:
      return lnb.GetSwitchPort();
    case SatelliteField::kToneBurst:
      return lnb.GetToneBurst();
    case SatelliteField::kMotorType:
      return lnb.GetMotorType();
    case SatelliteField::kMotorIndex: {
      const int index = r.GetMotorIndex();
      return index == 255 ? 0 : index;
    }
    default:
      return 0;
  }
}

SatelliteDraft::SatelliteDraft(const std::vector<SatelliteNode*>& satellites) {
  for (const SatelliteNode* s : satellites) {
    if (!s || !s->HasSatellite() || !s->HasLnb()) continue;
    const bool first = numbers_.empty();
    numbers_.push_back(static_cast<uint16_t>(s->GetNumber()));
    const uint8_t* record = s->Satellite().Bytes();
    const uint8_t* lnb = s->Lnb().Bytes();
    originals_.insert(originals_.end(), record, record + SatelliteRecord::kSize);
    originals_.insert(originals_.end(), lnb, lnb + LnbRecord::kSize);
    for (int f = 0; f < kSatelliteFieldCount; ++f) {
      const int value = ReadSatelliteField(*s, static_cast<SatelliteField>(f));
      if (first)
        values_.Start(static_cast<size_t>(f), value);
      else
        values_.Merge(static_cast<size_t>(f), value);
    }
    for (int k = 0; k < SatelliteRecord::kPredefinedCount; ++k) {
      DraftText& text = predefinedNames_[static_cast<size_t>(k)];
      if (first)
        text.text = s->Satellite().GetPredefinedName(k);
      else
        text.Merge(s->Satellite().GetPredefinedName(k));
    }
    if (first) name_.text = s->GetName();
  }
  if (IsSingle()) number_ = numbers_.front() + 1;
}

SatelliteDraft SatelliteDraft::FromSelection(EditingView& view) {
  return SatelliteDraft(SelectedSatellites(view));
}

std::vector<SatelliteNode*> SatelliteDraft::Resolve(const SettingsDatabase& db) const {
  std::vector<SatelliteNode*> nodes;
  for (size_t i = 0; i < numbers_.size(); ++i) {
    SatelliteNode* node = db.GetSatelliteNode(numbers_[i]);
    if (!node || !node->HasSatellite() || !node->HasLnb()) continue;
    const uint8_t* original = &originals_[i * kBytesPerSatellite];
    if (std::memcmp(node->Satellite().Bytes(), original, SatelliteRecord::kSize) == 0 &&
        std::memcmp(node->Lnb().Bytes(), original + SatelliteRecord::kSize, LnbRecord::kSize) == 0)
      nodes.push_back(node);
  }
  return nodes;
}

bool SatelliteDraft::Holds(const SatelliteNode& satellite) const {
  return std::find(numbers_.begin(), numbers_.end(), satellite.GetNumber()) != numbers_.end();
}

bool SatelliteDraft::IsModified() const {
  bool names = name_.marked;
  for (const DraftText& text : predefinedNames_) names = names || text.marked;
  return values_.AnyMarked() || names || numberMarked_;
}

bool SatelliteDraft::IsEditable(SatelliteField f) const {
  if (Empty()) return false;
  switch (f) {
    case SatelliteField::kPosition:
      return IsSingle();
    case SatelliteField::kLowOscillator:
      return Known(SatelliteField::kLnbType) && Value(SatelliteField::kLnbType) == 1;
    case SatelliteField::kSwitchPort:
      return Known(SatelliteField::kSwitchType) &&
             SwitchPortCount(Value(SatelliteField::kSwitchType)) > 0;
    case SatelliteField::kMotorIndex:
      return Known(SatelliteField::kMotorType) && Value(SatelliteField::kMotorType) != 0;
    default:
      return true;
  }
}

bool SatelliteDraft::Set(SatelliteField f, int value) {
  FieldRange range = RangeOf(f);
  if (f == SatelliteField::kSwitchPort)
    range.maximum = SwitchPortCount(Value(SatelliteField::kSwitchType));
  if (!IsEditable(f) || value < range.minimum || value > range.maximum) return false;
  values_.Put(Index(f), value);
  const size_t port = Index(SatelliteField::kSwitchPort);
  if (f == SatelliteField::kSwitchType && SwitchPortCount(value) > 0 && values_.Known(port)) {
    const int clamped = std::clamp(values_.Value(port), 1, SwitchPortCount(value));
    if (clamped != values_.Value(port)) values_.Put(port, clamped);
  }
  return true;
}

bool SatelliteDraft::SetName(std::string_view name) {
  if (!IsSingle()) return false;
  name_.Put(std::string(name.substr(0, SatelliteRecord::kNameWidth)));
  return true;
}

bool SatelliteDraft::SetPredefinedName(int k, std::string_view name) {
  if (Empty() || k < 0 || k >= SatelliteRecord::kPredefinedCount) return false;
  predefinedNames_[static_cast<size_t>(k)].Put(
      std::string(name.substr(0, SatelliteRecord::kPredefinedNameWidth)));
  return true;
}

bool SatelliteDraft::SetNumber(int number) {
  if (!IsSingle() || number < 1 || number > kSatelliteCount) return false;
  number_ = number;
  numberMarked_ = true;
  return true;
}

}  // namespace vq
