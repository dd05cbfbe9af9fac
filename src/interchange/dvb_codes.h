#pragma once
/// @file
/// The codes of the DVB world mapped onto the record tables: ISO 639
/// language codes onto the language table, CA system ids onto the CAS table.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace vq {

/// The language table index of a three-letter ISO 639-2 code (either the
/// bibliographic or the terminology form, any case); kLanguageUnknown when
/// the table has no entry for it.
int LanguageOfIso639(std::string_view code);
/// The ISO 639-2 code written for a language table index; "" for "Unknown"
/// and for indexes outside the table.
std::string_view Iso639OfLanguage(int language);

/// The CAS table entry for the CA system ids of a scrambled service. Each
/// id's upper byte names its system: one known system gives that system's
/// entry, several give their combined entry where the table has one and
/// "Multi" otherwise. Ids below 0x100 name no system. 0 when no system is
/// known.
int CasOfCaIds(std::span<const uint16_t> ids);
/// CA system ids that read back as `cas` through CasOfCaIds, for a scrambled
/// service: the first id of each system's range. Entries without a range
/// ("Free", "Standard", "SKY Pilot", "Nagra2") give the unassigned 0xFFFF,
/// which reads back as 0.
std::vector<uint16_t> CaIdsOfCas(int cas);

}  // namespace vq
