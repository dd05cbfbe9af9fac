#include "common/text_translation.h"

#include <atomic>
#include <optional>
#include <string_view>

namespace vq {
namespace {

// Set once at start-up; read from worker threads too (transfer status texts).
// The process-wide hook by design, hence global; atomic.
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables)
std::atomic<TextTranslator> g_translator{nullptr};

// The conversions of a printf pattern in order, "%%" left out: "%d of %s"
// gives "d s ". Flags, width, precision and length are kept with their
// conversion. Nothing for a pattern this check cannot read through: a
// dangling '%', or what it does not know ("%1$s", "%*d", "%Lf", "%n"), where
// two patterns could read their arguments differently and still look alike.
std::optional<std::string> Conversions(const std::string& pattern) {
  constexpr std::string_view kFlagsWidthPrecision = "-+ #0123456789.";
  constexpr std::string_view kLengths = "hlzjt";
  constexpr std::string_view kKinds = "diouxXeEfFgGaAcsp";
  std::string conversions;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '%') continue;
    std::size_t end = i + 1;
    while (end < pattern.size() && kFlagsWidthPrecision.find(pattern[end]) != std::string_view::npos)
      ++end;
    while (end < pattern.size() && kLengths.find(pattern[end]) != std::string_view::npos) ++end;
    if (end >= pattern.size()) return std::nullopt;
    if (pattern[end] == '%' && end == i + 1) {
      i = end;
      continue;
    }
    if (kKinds.find(pattern[end]) == std::string_view::npos) return std::nullopt;
    conversions += pattern.substr(i + 1, end - i) + ' ';
    i = end;
  }
  return conversions;
}

}  // namespace

void SetTextTranslator(TextTranslator translator) { g_translator.store(translator); }

std::string TranslatedText(const char* text) {
  const TextTranslator translator = g_translator.load();
  if (translator == nullptr || text == nullptr || *text == '\0') return text ? text : "";
  return translator(text);
}

std::string TranslatedPattern(const char* pattern) {
  std::string translated = TranslatedText(pattern);
  const std::optional<std::string> conversions = Conversions(translated);
  if (!conversions || conversions != Conversions(pattern)) return pattern;
  return translated;
}

}  // namespace vq
