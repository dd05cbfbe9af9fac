// Transfers over the serial line: serial-download and serial-upload.
#include "database/settings_database.h"
#include "document/receiver_image_steps.h"
#include "image/image_layout.h"
#include "link/serial/headless_transfer.h"
#include "vqtool/commands.h"
#include "vqtool/serial_options.h"
#include "vqtool/settings_file.h"
#include "vqtool/terminal_text.h"

namespace vq::tool {
namespace {

// Runs the transfer with every new status text on `err`.
serial::HeadlessResult Run(serial::Direction direction, const std::string& path,
                           serial::HeadlessOptions& options, std::ostream& err) {
  std::string last;
  options.onStatus = [&](const std::string& text) {
    if (text != last) err << TerminalText(last = text, true) << '\n';
  };
  serial::HeadlessResult result = serial::RunHeadlessTransfer(direction, path, options);
  if (!result.info.empty()) err << TerminalText(result.info, true) << '\n';
  return result;
}

int RunSerialDownload(const SerialOptions& given, std::ostream& out, std::ostream& err) {
  const std::string& target = given.file;
  serial::HeadlessOptions options = TransferOptions(given);
  ReceiverTempFile temp;
  if (!temp.IsCreated()) return FileError(err, target, kReceiverTempCreateFailed);
  if (!Run(serial::Direction::kDownload, temp.Path(), options, err).success) return kExitFailure;
  // Only an image that loads reaches the output file.
  SettingsDatabase scratch;
  if (LoadReceivedImage(temp.Path(), scratch) != ReceivedImageResult::kLoaded)
    return FileError(err, target, "the received image does not load; nothing written");
  // Through a temporary file and a rename, as every output of the tool: a
  // failed write leaves the old file whole.
  std::vector<uint8_t> image;
  std::string error;
  if (!ReadWholeFile(temp.Path(), kImageSizeModel1, image, error) ||
      !WriteFileReplacing(target, image, error))
    return FileError(err, target, error);
  out << "Saved " << target << " (" << image.size() << " bytes)\n";
  return kExitOk;
}

int RunSerialUpload(const SerialOptions& given, std::ostream& out, std::ostream& err) {
  const std::string& source = given.file;
  serial::HeadlessOptions options = TransferOptions(given);
  SettingsDatabase scratch;
  if (LoadReceivedImage(source, scratch) != ReceivedImageResult::kLoaded)
    return FileError(err, source, "not a settings image that loads; nothing sent");
  if (!Run(serial::Direction::kUpload, source, options, err).success) return kExitFailure;
  out << "Sent " << source << '\n';
  return kExitOk;
}

}  // namespace

void AddSerialDownloadCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command = AddCommand(app, "serial-download", "--port DEVICE [SERIAL OPTIONS] OUT",
                                 "read a receiver's settings over a serial line");
  SerialOptions& options = OnRun(command, context, RunSerialDownload);
  AddSerialOptions(command, options);
  command.add_option("OUT", options.file, "the file to write")->required();
}

void AddSerialUploadCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command = AddCommand(app, "serial-upload", "--port DEVICE [SERIAL OPTIONS] IN",
                                 "write settings into a receiver over a serial line");
  SerialOptions& options = OnRun(command, context, RunSerialUpload);
  AddSerialOptions(command, options);
  command.add_option("IN", options.file, "the settings file to send")->required();
}

}  // namespace vq::tool
