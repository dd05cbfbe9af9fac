#pragma once
/// @file
/// The catalogues of the user's language, installed for the whole program.

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace vq {

/// Installs the program's catalogue for `locale` (from `catalogues`, the
/// program's compiled-in ones by default) and, when there is one, Qt's own
/// catalogue of the same language so standard buttons and dialogs match.
/// Qt's is not loaded for a language the program lacks: the window would
/// otherwise mix English texts with foreign buttons. Removed on destruction.
class UserLanguage {
 public:
  explicit UserLanguage(const QLocale& locale,
                        const QString& catalogues = QStringLiteral(":/translations"));
  ~UserLanguage();
  UserLanguage(const UserLanguage&) = delete;
  UserLanguage& operator=(const UserLanguage&) = delete;

  /// The language of the installed program catalogue ("de_DE"), or empty.
  QString Language() const;
  bool HasQtCatalogue() const { return hasQt_; }

 private:
  QTranslator program_;
  QTranslator qt_;
  bool hasProgram_ = false;
  bool hasQt_ = false;
};

}  // namespace vq
