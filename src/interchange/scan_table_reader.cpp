#include "interchange/scan_table_reader.h"

#include <array>
#include <iterator>
#include <new>
#include <optional>
#include <string>

#include "common/translated_format.h"
#include "database/lookup_tables.h"
#include "interchange/import_texts.h"
#include "interchange/text_fields.h"

namespace vq {
namespace {

// The keys a section is read for; other keys are passed over.
constexpr std::string_view kKeys[] = {"DELIVERY_SYSTEM", "FREQUENCY", "SYMBOL_RATE", "POLARIZATION",
                                      "INNER_FEC"};

// The values of one section, as views into the text.
struct Section {
  int line = 0;
  std::array<std::string_view, std::size(kKeys)> values{};

  void Set(std::string_view key, std::string_view value) {
    for (size_t i = 0; i < std::size(kKeys); ++i)
      if (key == kKeys[i]) values[i] = value;
  }
  std::string_view Value(std::string_view key) const {
    for (size_t i = 0; i < std::size(kKeys); ++i)
      if (key == kKeys[i]) return values[i];
    return {};
  }
};

// kHz (or Hz) to MHz, and symbols per second to kS/s, rounded.
uint32_t Thousandths(uint32_t value) {
  uint64_t v = value;
  while (v > 99999) v = (v + 500) / 1000;
  return static_cast<uint32_t>(v);
}

std::optional<uint8_t> PolarizationOf(std::string_view text) {
  if (text == "HORIZONTAL" || text == "LEFT") return 1;
  if (text == "VERTICAL" || text == "RIGHT") return 2;
  if (text == "OFF") return 0;
  return std::nullopt;
}

uint8_t FecOf(std::string_view text) {
  for (int fec = 0; fec < 5; ++fec)
    if (text == FecText(fec)) return static_cast<uint8_t>(fec);
  return 5;
}

class ScanTableReader {
 public:
  ChannelListRead Read(std::string_view text);

 private:
  void ReadSection(const Section& section);

  ChannelList list_;
  int entries_ = 0;
};

ChannelListRead ScanTableReader::Read(std::string_view text) {
  ChannelListRead read;
  if (LooksBinary(text)) {
    read.message =
        VQ_TRANSLATE_NOOP("CoreText", "The file is not a dvbv5 scan table: it holds binary data.");
    return read;
  }
  std::optional<Section> section;
  TextLineWalk lines(WithoutByteOrderMark(text));
  std::string_view raw;
  while (lines.Next(raw)) {
    const int line = lines.Number();
    const std::string_view content = Trimmed(raw);
    if (content.empty() || content.front() == '#') continue;
    if (content.front() == '[' && content.back() == ']') {
      if (section) ReadSection(*section);
      section = Section{line, {}};
      continue;
    }
    const size_t equals = content.find('=');
    if (!section || equals == std::string_view::npos) {
      list_.skipped.Add(line, VQ_TRANSLATE_NOOP("CoreText", "not a KEY = VALUE line of a section"));
      continue;
    }
    section->Set(Trimmed(content.substr(0, equals)), Trimmed(content.substr(equals + 1)));
  }
  if (section) ReadSection(*section);
  if (entries_ == 0) {
    read.message = VQ_TRANSLATE_NOOP(
        "CoreText",
        "The file is not a dvbv5 scan table: no section holds a DELIVERY_SYSTEM and a FREQUENCY.");
    return read;
  }
  read.recognised = true;
  read.list = std::move(list_);
  return read;
}

void ScanTableReader::ReadSection(const Section& section) {
  const auto value = [&](std::string_view key) { return section.Value(key); };
  const std::string_view system = value("DELIVERY_SYSTEM");
  if (system.empty() || value("FREQUENCY").empty()) {
    list_.skipped.Add(
        section.line,
        VQ_TRANSLATE_NOOP("CoreText", "the section has no DELIVERY_SYSTEM or FREQUENCY"));
    return;
  }
  ++entries_;
  if (list_.transponders.size() == kListEntryLimit) {
    list_.skipped.Add(section.line, kBeyondListLimit);
    return;
  }
  if (system != "DVBS" && system != "DVBS2") {
    list_.skipped.Add(
        section.line,
        TranslatedFormat(
            VQ_TRANSLATE_NOOP("CoreText", "not a satellite entry (DELIVERY_SYSTEM %s)"),
            ShownValue(system).c_str()));
    return;
  }
  ListedTransponder t;
  t.line = section.line;
  t.system = system == "DVBS2" ? DeliverySystem::kDvbS2 : DeliverySystem::kDvbS;
  uint32_t frequency = 0;
  uint32_t symbolRate = 0;
  if (!ParseDecimal(value("FREQUENCY"), 0xFFFFFFFF, frequency) || Thousandths(frequency) == 0 ||
      Thousandths(frequency) > 0xFFFF) {
    list_.skipped.Add(section.line, VQ_TRANSLATE_NOOP("CoreText", "the FREQUENCY is not readable"));
    return;
  }
  if (!ParseDecimal(value("SYMBOL_RATE"), 0xFFFFFFFF, symbolRate) ||
      Thousandths(symbolRate) > 0xFFFF) {
    list_.skipped.Add(section.line,
                      VQ_TRANSLATE_NOOP("CoreText", "the SYMBOL_RATE is missing or not readable"));
    return;
  }
  const std::optional<uint8_t> polarization = value("POLARIZATION").empty()
                                                  ? std::optional<uint8_t>(0)
                                                  : PolarizationOf(value("POLARIZATION"));
  if (!polarization) {
    list_.skipped.Add(section.line,
                      VQ_TRANSLATE_NOOP("CoreText", "the POLARIZATION is not readable"));
    return;
  }
  t.frequency = static_cast<uint16_t>(Thousandths(frequency));
  t.symbolRate = static_cast<uint16_t>(Thousandths(symbolRate));
  t.polarization = *polarization;
  t.fec = FecOf(value("INNER_FEC"));
  t.fecNamed =
      !value("INNER_FEC").empty() && value("INNER_FEC") != "AUTO" && value("INNER_FEC") != "NONE";
  list_.transponders.push_back(t);
}

}  // namespace

ChannelListRead ReadScanTable(std::string_view text) {
  try {
    return ScanTableReader().Read(text);
  } catch (const std::bad_alloc&) {
    return {false, import_texts::kNoMemory, {}};
  }
}

}  // namespace vq
