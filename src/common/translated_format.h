#pragma once
/// @file
/// printf-style composition of the Qt-free layers' texts in the user's
/// language: the pattern is translated first, then filled in.

#include <cstdio>
#include <string>

#include "common/text_translation.h"

namespace vq {

/// `pattern` (marked with VQ_TRANSLATE_NOOP where it is defined) in the
/// user's language, filled with `args` as printf would.
template <class... Args>
std::string TranslatedFormat(const char* pattern, Args... args) {
  const std::string translated = TranslatedPattern(pattern);
  const int size = std::snprintf(nullptr, 0, translated.c_str(), args...);
  if (size <= 0) return {};
  std::string text(static_cast<size_t>(size) + 1, '\0');
  std::snprintf(text.data(), text.size(), translated.c_str(), args...);
  text.resize(static_cast<size_t>(size));
  return text;
}

}  // namespace vq
