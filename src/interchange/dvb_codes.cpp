#include "interchange/dvb_codes.h"

#include <algorithm>
#include <array>

#include "database/lookup_tables.h"
#include "interchange/latin1_text.h"

namespace vq {
namespace {

// Codes per language table index, the one written first; unused places
// are empty.
using LanguageCodes = std::array<std::string_view, 3>;
constexpr std::array<LanguageCodes, kLanguageUnknown> kIsoCodes = {{
    {"eng"},        {"deu", "ger"}, {"fra", "fre"},
    {"spa", "esl"}, {"ita"},        {"por"},
    {"swe", "sve"}, {"dan"},        {"nld", "dut", "nla"},
    {"fin"},        {"hun"},        {"nor", "nob", "nno"},
    {"pol"},        {"ron", "rum"}, {"slv"},
    {"rus"},        {"tur"},        {"ara"},
    {"ell", "gre"}, {"ces", "cze"}, {"zho", "chi"},
    {"kor"},        {"jpn"},        {"fas", "per"},
    {"lat"},        {"ben"},        {"tam"},
    {"heb"},        {"bul"},        {"urd"},
    {"ukr"},
}};

// CA systems by the upper byte of their ids, each with the CAS entry that
// names it alone (the table lists them in range order).
struct CaSystem {
  uint8_t upper;
  int cas;
};
constexpr std::array<CaSystem, 27> kSystems = {{
    {0x01, 2},  {0x02, 3},  {0x03, 4},  {0x04, 5},  {0x05, 6},  {0x06, 7},  {0x07, 8},
    {0x08, 9},  {0x09, 10}, {0x0A, 11}, {0x0B, 12}, {0x0C, 13}, {0x0D, 14}, {0x0E, 15},
    {0x0F, 16}, {0x10, 17}, {0x11, 18}, {0x12, 19}, {0x13, 20}, {0x14, 21}, {0x15, 22},
    {0x16, 23}, {0x17, 24}, {0x18, 25}, {0x19, 26}, {0x20, 27}, {0x21, 28},
}};

constexpr uint8_t kSeca = 0x01, kViaccess = 0x05, kIrdeto = 0x06, kVideoguard = 0x09, kConax = 0x0B,
                  kCryptoworks = 0x0D, kBetacrypt = 0x17, kNagra = 0x18;

// The combined entries with their systems, ascending.
struct Combination {
  int cas;
  std::vector<uint8_t> systems;
};
const std::array<Combination, 16> kCombinations = {{
    {32, {kCryptoworks, kBetacrypt}},
    {33, {kSeca, kConax}},
    {34, {kViaccess, kIrdeto, kCryptoworks}},
    {35, {kSeca, kViaccess, kIrdeto, kCryptoworks}},
    {36, {kSeca, kCryptoworks}},
    {37, {kViaccess, kCryptoworks}},
    {38, {kSeca, kViaccess, kCryptoworks}},
    {39, {kViaccess, kIrdeto}},
    {40, {kIrdeto, kVideoguard}},
    {41, {kSeca, kIrdeto}},
    {42, {kSeca, kViaccess, kIrdeto}},
    {43, {kSeca, kIrdeto, kVideoguard}},
    {44, {kSeca, kViaccess}},
    {45, {kSeca, kVideoguard}},
    {46, {kBetacrypt, kNagra}},
    {47, {kCryptoworks, kBetacrypt, kNagra}},
}};

constexpr int kCasMulti = 31;
// Two upper bytes outside every assigned range: written for "Multi".
constexpr uint16_t kUnassignedIds[] = {0xFE00, 0xFF00};
constexpr uint16_t kNoSystemId = 0xFFFF;

int CasOfSystem(uint8_t upper) {
  for (const CaSystem& s : kSystems)
    if (s.upper == upper) return s.cas;
  return 0;
}

}  // namespace

int LanguageOfIso639(std::string_view code) {
  const std::string lower = Latin1Lower(code);
  for (size_t i = 0; i < kIsoCodes.size(); ++i)
    for (std::string_view candidate : kIsoCodes[i])
      if (!candidate.empty() && candidate == lower) return static_cast<int>(i);
  return kLanguageUnknown;
}

std::string_view Iso639OfLanguage(int language) {
  if (language < 0 || language >= static_cast<int>(kIsoCodes.size())) return {};
  return kIsoCodes[static_cast<size_t>(language)][0];
}

int CasOfCaIds(std::span<const uint16_t> ids) {
  // Every upper byte counts as a system, known or not, so that a service
  // with two unknown systems still reads as "Multi".
  std::vector<uint8_t> systems;
  for (const uint16_t id : ids)
    if (id >= 0x100) systems.push_back(static_cast<uint8_t>(id >> 8));
  std::sort(systems.begin(), systems.end());
  systems.erase(std::unique(systems.begin(), systems.end()), systems.end());
  if (systems.empty()) return 0;
  if (systems.size() == 1) return CasOfSystem(systems.front());
  for (const Combination& c : kCombinations)
    if (std::equal(systems.begin(), systems.end(), c.systems.begin(), c.systems.end()))
      return c.cas;
  return kCasMulti;
}

std::vector<uint16_t> CaIdsOfCas(int cas) {
  if (cas == kCasMulti) return {std::begin(kUnassignedIds), std::end(kUnassignedIds)};
  for (const CaSystem& s : kSystems)
    if (s.cas == cas) return {static_cast<uint16_t>(s.upper << 8)};
  for (const Combination& c : kCombinations)
    if (c.cas == cas) {
      std::vector<uint16_t> ids;
      for (const uint8_t upper : c.systems) ids.push_back(static_cast<uint16_t>(upper << 8));
      return ids;
    }
  return {kNoSystemId};
}

}  // namespace vq
