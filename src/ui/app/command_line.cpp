#include "ui/app/command_line.h"

#include <QCommandLineParser>

namespace vq {

CommandLine ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription("Editor for the channel lists of satellite receivers");
  parser.addPositionalArgument("file", "Settings file (*.bin) to open.", "[file]");
  const QCommandLineOption profile("profile", "Use FILE as the editor's profile (INI).", "FILE");
  const QCommandLineOption trace("trace", "Append a trace log to FILE.", "FILE");
  const QCommandLineOption emulated(
      "emulated-receiver", "Use a receiver emulated over the settings FILE instead of USB.",
      "FILE");
  parser.addOption(profile);
  parser.addOption(trace);
  parser.addOption(emulated);
  CommandLine result;
  if (!parser.parse(arguments)) {
    result.error = parser.errorText();
    return result;
  }
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    result.error = "Only one settings file can be opened.";
    return result;
  }
  if (!files.isEmpty()) result.file = files.front();
  result.profile = parser.value(profile);
  result.trace = parser.value(trace);
  result.emulatedReceiver = parser.value(emulated);
  return result;
}

}  // namespace vq
