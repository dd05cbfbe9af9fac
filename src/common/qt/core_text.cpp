#include "common/qt/core_text.h"

#include <QCoreApplication>

#include "common/text_translation.h"

namespace vq {
namespace {

std::string TranslateWithCatalogues(const char* text) {
  // Catalogue sources are UTF-8; the core's texts are ASCII or Latin-1, so a
  // miss gives back the caller's own bytes rather than a re-encoded copy.
  const QString translated = QCoreApplication::translate(kCoreTextContext, text);
  if (translated == QString::fromUtf8(text)) return text;
  return translated.toLatin1().toStdString();
}

}  // namespace

void InstallCoreTextTranslator() { SetTextTranslator(&TranslateWithCatalogues); }

QString CoreText(const std::string& text) { return QString::fromLatin1(TranslatedText(text)); }

}  // namespace vq
