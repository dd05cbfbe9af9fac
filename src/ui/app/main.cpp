// vqchanneleditor [FILE] [--profile INI] [--trace LOG] [--emulated-receiver FILE]
//                 [--help] [--version]

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

#include "common/version.h"
#include "ui/app/command_line.h"
#include "ui/app/editor_application.h"

namespace {

// The program's catalogue of the user's language, where the build has one,
// and Qt's own (standard buttons, the usage headings), where it is installed.
struct Catalogues {
  Catalogues() {
    if (program.load(QLocale(), "vqchanneleditor", "_", ":/translations"))
      QCoreApplication::installTranslator(&program);
    if (qt.load(QLocale(), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      QCoreApplication::installTranslator(&qt);
  }
  QTranslator program;
  QTranslator qt;
};

QStringList ProgramArguments(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication::setApplicationName("VQChannelEditor");
  QApplication::setApplicationVersion(vq::kVersion);
  QApplication::setDesktopFileName(vq::kDesktopId);
  // --help and --version are answered before the window system is reached,
  // so they work on a text console too.
  if (!vq::ParseCommandLine(ProgramArguments(argc, argv)).information.isEmpty()) {
    const QCoreApplication console(argc, argv);  // names the program in the usage line
    const Catalogues catalogues;
    std::fputs(qPrintable(vq::ParseCommandLine(QCoreApplication::arguments()).information), stdout);
    return 0;
  }
  QApplication qt(argc, argv);
  const Catalogues catalogues;
  vq::EditorApplication application;
  if (!application.Start(QApplication::arguments())) return 1;
  const int result = QApplication::exec();
  application.Exit();
  return result;
}
