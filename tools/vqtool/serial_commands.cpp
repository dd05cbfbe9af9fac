#include "vqtool/serial_commands.h"

#include "database/settings_database.h"
#include "document/receiver_image_steps.h"
#include "image/image_layout.h"
#include "link/serial/headless_transfer.h"
#include "vqtool/serial_options.h"
#include "vqtool/settings_file.h"
#include "vqtool/terminal_text.h"

namespace vq::tool {
namespace {

constexpr std::string_view kDownloadUsage =
    "vqtool serial-download --port DEVICE [--speed BPS] [--data-bits N] [--parity P]\n"
    "       [--stop-bits S] [--flow LIST] [--timeout SECONDS] OUT";
constexpr std::string_view kUploadUsage =
    "vqtool serial-upload --port DEVICE [--speed BPS] [--data-bits N] [--parity P]\n"
    "       [--stop-bits S] [--flow LIST] [--timeout SECONDS] IN";

// Splits the words into the file and the transfer options; a usage exit
// code, or -1 when they are good.
int ParseTransfer(const Args& args, std::string_view usage, std::string& file,
                  serial::HeadlessOptions& options, std::ostream& err) {
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(args,
                        {"--port", "--speed", "--data-bits", "--parity", "--stop-bits",
                         "--flow", "--timeout"},
                        {}, line, error)) return UsageError(err, error, usage);
  if (line.positional.size() != 1) return UsageError(err, "one file is needed", usage);
  if (!ParseSerialLine(line, options.line, error)) return UsageError(err, error, usage);
  options.timeoutMs = ParseSerialTimeout(line);
  if (options.timeoutMs < 0) return UsageError(err, "--timeout must be 1 to 60 seconds", usage);
  file = line.positional.front();
  return -1;
}

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

}  // namespace

int RunSerialDownload(const Args& args, std::ostream& out, std::ostream& err) {
  std::string target;
  serial::HeadlessOptions options;
  if (const int usage = ParseTransfer(args, kDownloadUsage, target, options, err); usage >= 0)
    return usage;
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

int RunSerialUpload(const Args& args, std::ostream& out, std::ostream& err) {
  std::string source;
  serial::HeadlessOptions options;
  if (const int usage = ParseTransfer(args, kUploadUsage, source, options, err); usage >= 0)
    return usage;
  SettingsDatabase scratch;
  if (LoadReceivedImage(source, scratch) != ReceivedImageResult::kLoaded)
    return FileError(err, source, "not a settings image that loads; nothing sent");
  if (!Run(serial::Direction::kUpload, source, options, err).success) return kExitFailure;
  out << "Sent " << source << '\n';
  return kExitOk;
}

}  // namespace vq::tool
