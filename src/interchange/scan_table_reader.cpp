#include "interchange/scan_table_reader.h"

#include <map>
#include <optional>
#include <string>

#include "common/translated_format.h"
#include "database/lookup_tables.h"
#include "interchange/text_fields.h"

namespace vq {
namespace {

struct Section {
  int line = 0;
  std::map<std::string, std::string, std::less<>> values;
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
  const std::vector<std::string_view> lines = TextLines(WithoutByteOrderMark(text));
  for (size_t i = 0; i < lines.size(); ++i) {
    const int line = static_cast<int>(i + 1);
    const std::string_view content = Trimmed(lines[i]);
    if (content.empty() || content.front() == '#') continue;
    if (content.front() == '[' && content.back() == ']') {
      if (section) ReadSection(*section);
      section = Section{line, {}};
      continue;
    }
    const size_t equals = content.find('=');
    if (!section || equals == std::string_view::npos) {
      list_.skipped.push_back(
          {line, VQ_TRANSLATE_NOOP("CoreText", "not a KEY = VALUE line of a section")});
      continue;
    }
    section->values[std::string(Trimmed(content.substr(0, equals)))] =
        std::string(Trimmed(content.substr(equals + 1)));
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
  const auto value = [&](std::string_view key) -> std::string_view {
    const auto it = section.values.find(key);
    return it == section.values.end() ? std::string_view{} : std::string_view(it->second);
  };
  const std::string_view system = value("DELIVERY_SYSTEM");
  if (system.empty() || value("FREQUENCY").empty()) {
    list_.skipped.push_back(
        {section.line,
         VQ_TRANSLATE_NOOP("CoreText", "the section has no DELIVERY_SYSTEM or FREQUENCY")});
    return;
  }
  ++entries_;
  if (system != "DVBS" && system != "DVBS2") {
    list_.skipped.push_back(
        {section.line,
         TranslatedFormat(
             VQ_TRANSLATE_NOOP("CoreText", "not a satellite entry (DELIVERY_SYSTEM %s)"),
             std::string(system).c_str())});
    return;
  }
  ListedTransponder t;
  t.line = section.line;
  t.system = system == "DVBS2" ? DeliverySystem::kDvbS2 : DeliverySystem::kDvbS;
  uint32_t frequency = 0;
  uint32_t symbolRate = 0;
  if (!ParseDecimal(value("FREQUENCY"), 0xFFFFFFFF, frequency) || Thousandths(frequency) == 0 ||
      Thousandths(frequency) > 0xFFFF) {
    list_.skipped.push_back(
        {section.line, VQ_TRANSLATE_NOOP("CoreText", "the FREQUENCY is not readable")});
    return;
  }
  if (!ParseDecimal(value("SYMBOL_RATE"), 0xFFFFFFFF, symbolRate) ||
      Thousandths(symbolRate) > 0xFFFF) {
    list_.skipped.push_back(
        {section.line,
         VQ_TRANSLATE_NOOP("CoreText", "the SYMBOL_RATE is missing or not readable")});
    return;
  }
  const std::optional<uint8_t> polarization = value("POLARIZATION").empty()
                                                  ? std::optional<uint8_t>(0)
                                                  : PolarizationOf(value("POLARIZATION"));
  if (!polarization) {
    list_.skipped.push_back(
        {section.line, VQ_TRANSLATE_NOOP("CoreText", "the POLARIZATION is not readable")});
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

ChannelListRead ReadScanTable(std::string_view text) { return ScanTableReader().Read(text); }

}  // namespace vq
