#include "ui/app/user_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace vq {

UserLanguage::UserLanguage(const QLocale& locale, const QString& catalogues) {
  hasProgram_ = program_.load(locale, "vqchanneleditor", "_", catalogues) &&
                QCoreApplication::installTranslator(&program_);
  if (!hasProgram_) return;
  // The program's catalogue may have come from a later entry of the user's
  // language list; Qt's follows the language actually chosen.
  hasQt_ = qt_.load(QLocale(program_.language()), "qtbase", "_",
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
           QCoreApplication::installTranslator(&qt_);
}

UserLanguage::~UserLanguage() {
  if (hasQt_) QCoreApplication::removeTranslator(&qt_);
  if (hasProgram_) QCoreApplication::removeTranslator(&program_);
}

QString UserLanguage::Language() const { return hasProgram_ ? program_.language() : QString(); }

}  // namespace vq
