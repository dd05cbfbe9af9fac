// vqchanneleditor [FILE] [--profile INI] [--trace LOG] [--emulated-receiver FILE]
//                 [--help] [--version]

#include <fontconfig/fontconfig.h>

#include <QAccessible>
#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <thread>

#include "common/version.h"
#include "ui/app/command_line.h"
#include "ui/app/editor_application.h"
#include "ui/app/user_language.h"

namespace {

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
    const vq::UserLanguage language{QLocale()};  // the option descriptions in it
    std::fputs(qPrintable(vq::ParseCommandLine(QCoreApplication::arguments()).information), stdout);
    return 0;
  }
  // Fontconfig reads its configuration (milliseconds of XML) on a thread of
  // its own while Qt connects to the display; the first widget finds it read.
  std::jthread fontConfiguration(FcInit);
  QApplication qt(argc, argv);
  fontConfiguration.join();
  // Qt's accessibility bridge connects to the session bus on first use, and
  // without a bus libdbus forks a bus launcher from a thread of its own.
  // Connecting now, before the start-up threads below allocate, keeps that
  // fork clear of them: a child forked while another thread holds a lock of
  // an allocator that does not reset its locks at a fork (a sanitizer's)
  // deadlocks, and the editor would wait for it before showing its window.
  QAccessible::isActive();
  // The catalogues of the user's language, where the build has one.
  const vq::UserLanguage language{QLocale()};
  vq::EditorApplication application;
  if (!application.Start(QApplication::arguments())) return 1;
  const int result = QApplication::exec();
  application.Exit();
  return result;
}
