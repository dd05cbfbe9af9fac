#include "common/text_translation.h"

#include <atomic>
#include <string_view>

namespace vq {
namespace {

// Set once at start-up; read from worker threads too (transfer status texts).
std::atomic<TextTranslator> g_translator{nullptr};

// The conversions of a printf pattern in order, "%%" left out: "%d of %s"
// gives "ds". Flags, width and precision are kept with their conversion.
std::string Conversions(const std::string& pattern) {
  std::string conversions;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '%') continue;
    std::size_t end = i + 1;
    while (end < pattern.size() &&
           std::string_view("-+ #0123456789.lhzjt").find(pattern[end]) != std::string_view::npos)
      ++end;
    if (end >= pattern.size()) return conversions + "!";  // a dangling '%'
    if (pattern[end] != '%') conversions += pattern.substr(i + 1, end - i) + ' ';
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
  if (Conversions(translated) != Conversions(pattern)) return pattern;
  return translated;
}

}  // namespace vq
