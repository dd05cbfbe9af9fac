#include "ui/app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include "common/version.h"

namespace vq {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("vq::CommandLine", text); }

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(Tr(
      QT_TRANSLATE_NOOP("vq::CommandLine", "Editor for the channel lists of satellite receivers")));
  parser.addPositionalArgument(
      "file", Tr(QT_TRANSLATE_NOOP("vq::CommandLine", "Settings file (*.bin) to open.")), "[file]");
  const QCommandLineOption profile(
      "profile",
      Tr(QT_TRANSLATE_NOOP("vq::CommandLine", "Use FILE as the editor's profile (INI).")), "FILE");
  const QCommandLineOption trace(
      "trace", Tr(QT_TRANSLATE_NOOP("vq::CommandLine", "Append a trace log to FILE.")), "FILE");
  const QCommandLineOption emulated(
      "emulated-receiver",
      Tr(QT_TRANSLATE_NOOP("vq::CommandLine",
                           "Use a receiver emulated over the settings FILE instead of USB.")),
      "FILE");
  const QCommandLineOption help(
      {"h", "help"}, Tr(QT_TRANSLATE_NOOP("vq::CommandLine", "Show this help and exit.")));
  const QCommandLineOption version(
      {"v", "version"}, Tr(QT_TRANSLATE_NOOP("vq::CommandLine", "Show the version and exit.")));
  parser.addOption(profile);
  parser.addOption(trace);
  parser.addOption(emulated);
  parser.addOption(help);
  parser.addOption(version);
  CommandLine result;
  // A request for help or the version is answered even beside a mistake.
  const bool parsed = parser.parse(arguments);
  if (parser.isSet(help)) {
    result.information = parser.helpText();
    return result;
  }
  if (parser.isSet(version)) {
    result.information =
        QStringLiteral("VQChannelEditor %1\n").arg(kVersion) + QString::fromLatin1(kLicenseNotice);
    return result;
  }
  if (!parsed) {
    result.error = parser.errorText();
    return result;
  }
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    result.error =
        Tr(QT_TRANSLATE_NOOP("vq::CommandLine", "Only one settings file can be opened."));
    return result;
  }
  if (!files.isEmpty()) result.file = files.front();
  result.profile = parser.value(profile);
  result.trace = parser.value(trace);
  result.emulatedReceiver = parser.value(emulated);
  return result;
}

}  // namespace vq
