#include "document/qt/shown_message.h"

#include <string_view>

#include "common/qt/core_text.h"
#include "common/text_translation.h"
#include "document/settings_file.h"

namespace vq {

QString CoreOrSystemText(const std::string& text) {
  const std::string translated = TranslatedText(text);
  if (translated != text) return QString::fromLatin1(translated);
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

QString SaveErrorText(const std::string& error) {
  for (const std::string_view note :
       {SettingsFile::kOldBytesRestored, SettingsFile::kOldBytesLost}) {
    if (error.ends_with(note))
      return CoreOrSystemText(error.substr(0, error.size() - note.size())) +
             CoreText(std::string(note));
  }
  return CoreOrSystemText(error);
}

}  // namespace vq
