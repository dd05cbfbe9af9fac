// Choosing the catalogues of the user's language: the program's own, and Qt's
// for its standard buttons only when the program speaks that language too.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>

#include "ui/app/user_language.h"

namespace vq::test {
namespace {

QString GermanCatalogues() { return QFileInfo(VQ_GERMAN_CATALOGUE).absolutePath(); }

bool SystemHasQtGerman() {
  return QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm");
}

QString YesButtonText() {
  QMessageBox box(QMessageBox::Question, "t", "q", QMessageBox::Yes | QMessageBox::No);
  return box.button(QMessageBox::Yes)->text();
}

TEST(UserLanguage, GermanInstallsTheProgramsAndQtsCataloguesUntilDestroyed) {
  {
    const UserLanguage german(QLocale(QLocale::German, QLocale::Austria), GermanCatalogues());
    EXPECT_TRUE(german.Language().startsWith("de")) << german.Language().toStdString();
    EXPECT_EQ(QCoreApplication::translate("vq::CMainFrame", "Ready"), "Bereit");
    EXPECT_EQ(german.HasQtCatalogue(), SystemHasQtGerman());
    if (german.HasQtCatalogue()) EXPECT_EQ(YesButtonText(), "&Ja");
  }
  EXPECT_EQ(QCoreApplication::translate("vq::CMainFrame", "Ready"), "Ready");
  EXPECT_EQ(YesButtonText(), "&Yes");
}

TEST(UserLanguage, ALanguageTheProgramLacksKeepsEverythingEnglish) {
  const UserLanguage french(QLocale(QLocale::French, QLocale::France), GermanCatalogues());
  EXPECT_TRUE(french.Language().isEmpty());
  EXPECT_FALSE(french.HasQtCatalogue()) << "no foreign buttons in an English window";
  EXPECT_EQ(YesButtonText(), "&Yes");
}

}  // namespace
}  // namespace vq::test
