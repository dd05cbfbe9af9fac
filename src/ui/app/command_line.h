#pragma once
/// @file
/// The editor's command line.

#include <QString>
#include <QStringList>

namespace vq {

/// What the command line asks for: a settings file to open, the profile to
/// use instead of the default one, a trace log file, and a settings file
/// that an emulated receiver holds in place of a receiver on the USB bus.
struct CommandLine {
  QString file;              ///< empty: start with a new document
  QString profile;           ///< empty: the default profile path
  QString trace;             ///< empty: tracing stays off
  QString emulatedReceiver;  ///< empty: the receiver is looked for on the USB bus
  QString error;             ///< set when the arguments could not be read
  QString information;       ///< --help or --version: print this and exit
};

/// Reads `arguments` (the program name first): an optional settings file,
/// "--profile FILE", "--trace FILE", "--emulated-receiver FILE", and
/// "--help" or "--version", which leave only `information` set.
CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace vq
