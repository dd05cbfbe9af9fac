// Receiver transfers, the document's messages, import summaries and the
// command line in the user's language: German with the German catalogue,
// the English texts unchanged without it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cerrno>
#include <cstring>

#include "common/qt/core_text.h"
#include "document/document_fixture.h"
#include "interchange/import_summary.h"
#include "interchange/import_texts.h"
#include "interchange/list_import_command.h"
#include "link/serial/identification.h"
#include "link/serial/line_settings.h"
#include "link/serial/transfer_texts.h"
#include "link/usb/usb_receiver_session.h"
#include "support/installed_catalogue.h"
#include "support/modal_watchdog.h"
#include "ui/app/command_line.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/dialogs/import_summary_dialog.h"
#include "ui/dialogs/serial_transfer_dialog.h"
#include "ui/dialogs/usb_flash_writing_dialog.h"

namespace vq::test {
namespace {

std::string ReceiverInfo(const std::string& text) {
  std::vector<uint8_t> frame(std::begin(serial::kIdentificationPrefix),
                             std::end(serial::kIdentificationPrefix));
  frame.insert(frame.end(), text.begin(), text.end());
  frame.push_back(serial::kAck);
  serial::Identification identification;
  identification.Feed(frame.data(), frame.size());
  return identification.InfoText();
}

// The serial transfer dialog's texts: its first status, Cancel, a progress
// step, a protocol error and the receiver's identification.
QStringList SerialDialogTexts() {
  SerialTransferDialog dialog(serial::Direction::kDownload, QString(),
                              serial::MakeLineSettings({}, "/dev/null"), 20000);
  QStringList texts{dialog.StatusText()};
  for (const QPushButton* button : dialog.findChildren<QPushButton*>()) texts << button->text();
  dialog.SetBlockTotal(200);
  dialog.ReportProgress(50);
  texts << dialog.StatusText();
  dialog.ReportProgress(serial::kProgressError);
  texts << dialog.StatusText();
  dialog.ShowReceiverInfo(ReceiverInfo("VQ-1000^1.07"));
  texts << dialog.InfoText();
  return texts;
}

TEST(TranslatedTransfer, SerialTransferDialogReadsGermanAndKeepsEnglishWithoutACatalogue) {
  EXPECT_EQ(SerialDialogTexts(),
            QStringList({"Ready!", "Cancel", "Loading ... (25%)", "Protocol Error",
                         "Product Name:      VQ-1000\nSoftware Version:  1.07"}));
  const InstalledCatalogue german(VQ_GERMAN_CATALOGUE);
  ASSERT_TRUE(german.Installed());
  EXPECT_EQ(SerialDialogTexts(),
            QStringList({"Bereit!", "Abbrechen", "Laden ... (25%)", "Protokollfehler",
                         "Produktname:       VQ-1000\nSoftwareversion:   1.07"}));
  EXPECT_EQ(QString::fromLatin1(serial::ProgressText(serial::Direction::kUpload, 1, 4)),
            "Speichern ... (25%)");
}

TEST(TranslatedTransfer, UsbMessagesAndTheFlashNoticeReadGerman) {
  EXPECT_EQ(CoreText(usb::CommunicationMessage(0x2a)),
            "Can't communicate with the STB.\nCheck your system. error_code=0x2a");
  const InstalledCatalogue german(VQ_GERMAN_CATALOGUE);
  ASSERT_TRUE(german.Installed());
  EXPECT_EQ(CoreText(usb::CommunicationMessage(0x2a)),
            "Keine Verbindung zum Receiver möglich.\nBitte prüfen Sie Ihr System. "
            "error_code=0x2a");
  EXPECT_TRUE(
      CoreText(usb::kReceiverBusyMessage).startsWith("Der Receiver ist gerade beschäftigt."));
  const FlashWritingDialog notice(nullptr, true);
  QStringList labels;
  for (const QLabel* label : notice.findChildren<QLabel*>()) labels << label->text();
  EXPECT_TRUE(labels.contains("SCHALTEN SIE IHREN RECEIVER NICHT AUS!!!"))
      << labels.join('|').toStdString();
}

// A document's save failures show the file's texts translated and the
// system's reason as the system gave it.
class TranslatedDocument : public DocumentTest {
 protected:
  InstalledCatalogue german_{VQ_GERMAN_CATALOGUE};
};

TEST_F(TranslatedDocument, SaveFailuresReadGermanAroundTheSystemsReason) {
  ASSERT_TRUE(german_.Installed());
  ASSERT_TRUE(doc_.NewDocument());
  EXPECT_EQ(doc_.Title(), "Unbenannt");

  const std::string path = Image("settings.bin", kModelFtaCi);
  files_.unwritable = {path, std::filesystem::canonical(path).string()};
  EXPECT_FALSE(doc_.SaveAs(Q(path)));
  files_.unwritable.clear();

  // No room for a temporary file, and the disk fills during the rewrite.
  files_.tempError = EROFS;
  ASSERT_TRUE(doc_.OpenDocument(Q(path)));
  files_.writeBudget = 1000;
  EXPECT_FALSE(doc_.Save());
  EXPECT_EQ(
      prompter_.told,
      (std::vector<QString>{"Einstellungsdatei kann nicht gespeichert werden!\nZugriff verweigert.",
                            QString::fromLocal8Bit(std::strerror(ENOSPC)) +
                                "\nDer vorherige Inhalt der Datei wurde wiederhergestellt."}));
}

ImportSummary SomeSummary() {
  ImportSummary s;
  s.transpondersAdded = 2;
  s.transpondersPresent = 1;
  s.channelsAdded = {3, 1, 0};
  s.skipped.Add(4, import_texts::kTransponderThere);
  s.skipped.Add(9, import_texts::kTransponderThere);
  s.skipped.Add(12, import_texts::kChannelThere);
  return s;
}

QStringList Shown(const std::vector<std::string>& lines) {
  QStringList shown;
  for (const std::string& line : lines) shown << QString::fromLatin1(line);
  return shown;
}

TEST(TranslatedImport, SummaryAndStatusReadGermanAndKeepEnglishWithoutACatalogue) {
  const ImportSummary summary = SomeSummary();
  EXPECT_EQ(Shown(SummaryLines(summary)),
            QStringList({"Transponders added: 2 (1 already there)",
                         "Channels added: 3 TV, 1 radio, 0 data (0 already there)", "Skipped: 3",
                         "  already there (same polarisation, frequency within 2 MHz) (lines 4, 9)",
                         "  already there (same transponder and service) (line 12)"}));
  EXPECT_EQ(ImportedStatusText(summary), "Imported 4 channels and 2 transponders!");

  const InstalledCatalogue german(VQ_GERMAN_CATALOGUE);
  ASSERT_TRUE(german.Installed());
  const QStringList lines = Shown(SummaryLines(summary));
  EXPECT_EQ(lines, QStringList({"Transponder hinzugefügt: 2 (1 schon vorhanden)",
                                "Kanäle hinzugefügt: 3 TV, 1 Radio, 0 Daten (0 schon vorhanden)",
                                "Übersprungen: 3",
                                "  schon vorhanden (gleiche Polarisation, Frequenz innerhalb von "
                                "2 MHz) (Zeilen 4, 9)",
                                "  schon vorhanden (gleicher Transponder und Dienst) (Zeile 12)"}));
  EXPECT_EQ(QString::fromLatin1(ImportedStatusText(summary)),
            "4 Kanäle und 2 Transponder importiert!");
  ImportSummary stopped;
  stopped.status = ImportStatus::kStopped;
  stopped.channelsAdded = {1, 0, 0};
  stopped.transpondersAdded = 1;
  EXPECT_EQ(QString::fromLatin1(ImportedStatusText(stopped)),
            "Import abgebrochen: 1 Kanal und 1 Transponder importiert!");
  EXPECT_EQ(CoreText(import_texts::kNoModel),
            "Die Datenbank enthält kein Receivermodell: Öffnen oder erstellen Sie zuerst eine "
            "Einstellungsdatei.");

  const ImportSummaryDialog dialog("VDR-Kanäle importieren", "Importiert.", false, lines);
  EXPECT_EQ(dialog.Text(), lines.join('\n'));
  EXPECT_EQ(dialog.objectName(), "Import summary") << "a fixed name, whatever the title";
}

TEST(TranslatedCommandLine, HelpDescribesTheOptionsInGermanWithTheCatalogue) {
  const QString english = ParseCommandLine({"editor", "--help"}).information;
  EXPECT_TRUE(english.contains("Show this help and exit.")) << english.toStdString();
  EXPECT_EQ(ParseCommandLine({"editor", "a.bin", "b.bin"}).error,
            "Only one settings file can be opened.");
  const InstalledCatalogue german(VQ_GERMAN_CATALOGUE);
  ASSERT_TRUE(german.Installed());
  const QString help = ParseCommandLine({"editor", "--help"}).information;
  EXPECT_TRUE(help.contains("Diese Hilfe anzeigen und beenden.")) << help.toStdString();
  EXPECT_TRUE(help.contains("--emulated-receiver <FILE>")) << "option names stay";
  EXPECT_EQ(ParseCommandLine({"editor", "a.bin", "b.bin"}).error,
            "Es kann nur eine Einstellungsdatei geöffnet werden.");
}

TEST(TranslatedWindowTransfers, ReceiverCommandsTellWhatTheyDoInGerman) {
  const InstalledCatalogue german(VQ_GERMAN_CATALOGUE);
  ASSERT_TRUE(german.Installed());
  QTemporaryDir dir;
  EditorApplication app;
  ASSERT_TRUE(app.Start({"vqchanneleditor", "--profile", dir.filePath("editor.ini")}));
  const FrameActions& actions = app.Frame()->Actions();
  EXPECT_EQ(actions.openCom->statusTip(), "Kanaleinstellungen vom COM-Port öffnen");
  EXPECT_EQ(actions.saveUsb->statusTip(), "Kanaleinstellungen auf den USB-Port speichern");
}

TEST(TranslatedWindowTransfers, AnUnreadableEmulatedReceiverIsToldInGermanWithItsPath) {
  const InstalledCatalogue german(VQ_GERMAN_CATALOGUE);
  ASSERT_TRUE(german.Installed());
  QTemporaryDir dir;
  const QString image = dir.filePath("Kanäle.bin");  // not there; a non-ASCII name
  QString told;
  const ExpectModal expected;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&told] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      told = box->text();
      box->done(0);
    }
  });
  closer.start(5);
  EditorApplication app;
  EXPECT_FALSE(app.Start(
      {"vqchanneleditor", "--profile", dir.filePath("editor.ini"), "--emulated-receiver", image}));
  EXPECT_EQ(told, "Nachgebildeter Receiver: " + image + " kann nicht gelesen werden");
}

}  // namespace
}  // namespace vq::test
