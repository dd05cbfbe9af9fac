#pragma once
/// @file
/// The translation point of the texts the Qt-free layers hand to the user.
///
/// Those layers keep their texts in English. VQ_TRANSLATE_NOOP marks a text
/// for the window's catalogue (the build's catalogue scan reads it like Qt's
/// QT_TRANSLATE_NOOP); the window installs a translator at start-up and
/// TranslatedText() looks a text up through it. Without a translator, as in
/// the tool and the core tests, every text stays as it is.

#include <string>

/// Marks `text` for the catalogue under `context`; it stays `text` here.
#define VQ_TRANSLATE_NOOP(context, text) text

namespace vq {

/// The catalogue context of every text the Qt-free layers mark.
inline constexpr const char* kCoreTextContext = "CoreText";

/// Looks a marked English text up; answers a Latin-1 string (the layers'
/// text encoding), or `text` itself when the catalogue has no entry.
using TextTranslator = std::string (*)(const char* text);

/// Installs `translator` for the whole program; nullptr removes it.
void SetTextTranslator(TextTranslator translator);

/// `text` in the user's language, or `text` unchanged.
std::string TranslatedText(const char* text);
inline std::string TranslatedText(const std::string& text) { return TranslatedText(text.c_str()); }

/// A printf pattern in the user's language. A translation whose conversions
/// (%d, %s, ...) differ from the pattern's in kind or order would read the
/// wrong arguments, so such a translation is ignored and `pattern` answered.
std::string TranslatedPattern(const char* pattern);

}  // namespace vq
