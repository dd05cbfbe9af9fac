#pragma once
/// @file
/// The receiver settings compared field by field, one category at a time,
/// with the categories the settings tab lists and copies.

#include <vector>

#include "compare/record_fields.h"

namespace vq {

class ReceiverConfig;

/// The fields of category `category` (SettingsCategoryCode) that differ
/// between `a` and `b`; empty when copying the category from `b` into `a`
/// would change nothing. Bytes of the category outside the named fields are
/// reported as "other bytes" when no named field differs.
std::vector<FieldChange> SettingsFieldChanges(const ReceiverConfig& a, const ReceiverConfig& b,
                                              int category);

/// Every named field of category `category` with its value.
FieldValues SettingsFieldValues(const ReceiverConfig& config, int category);

}  // namespace vq
