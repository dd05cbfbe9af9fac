#include "vqtool/tool.h"

#include <new>
#include <string_view>

#include "common/version.h"
#include "vqtool/command_line.h"
#include "vqtool/commands.h"
#include "vqtool/interchange_commands.h"
#include "vqtool/preset_commands.h"
#include "vqtool/serial_commands.h"
#include "vqtool/tidy_commands.h"
#include "vqtool/usb_commands.h"

namespace vq::tool {
namespace {

constexpr std::string_view kUsage =
    "usage: vqtool COMMAND ...\n"
    "       vqtool --help | --version\n"
    "\n"
    "Commands:\n"
    "  info FILE                     model and counts of a settings file\n"
    "  dump FILE --json              the whole database as JSON\n"
    "  check FILE                    list damaged numbering, links and names\n"
    "  resave IN OUT                 load and save again, as the editor does\n"
    "  new --model 0|1 OUT           a fresh settings file (0 FTA/CI, 1 PVR)\n"
    "  convert --model 0|1 IN OUT    change the receiver model, then save\n"
    "  demo [--from DESCRIPTION] OUT the demo settings file\n"
    "  find FILE TEXT [--json]       channels by name, frequency, service id or PID\n"
    "  export-preset SETTINGS PRESET the preset file of a settings file\n"
    "  import-preset PRESET SETTINGS a new settings file holding a preset\n"
    "  import-vdr [--favourites] CHANNELS IN OUT  add a VDR channels.conf\n"
    "  import-scan-table (--satellite N | --position POS) TABLE IN OUT\n"
    "                                add the transponders of a dvbv5 scan table\n"
    "  export-vdr IN CHANNELS        the channels as a VDR channels.conf\n"
    "  export-csv IN CSV             the channel list as CSV for spreadsheets\n"
    "  order-like [--favourites] REFERENCE IN OUT\n"
    "                                number the channels like another list\n"
    "  duplicates FILE [--hd-twins] [--json]  groups of channels that are one service\n"
    "  dedupe IN OUT [--keep favourites|hd|first] [--hd-twins]\n"
    "                                keep one channel of each group of duplicates\n"
    "  sort IN OUT --by name|frequency|network|sid [--type tv|radio|data] [--from N]\n"
    "       [--descending]           sort the channels of one type\n"
    "  rename IN OUT --find TEXT --replace TEXT [--regex] [--ignore-case]\n"
    "                                find and replace in channel names\n"
    "  update-transponders FILE [--tables DIR|URL] [--apply OUT [--remove-vanished]] [--json]\n"
    "                                compare with the scan tables of each satellite's position\n"
    "  serial-download --port DEV OUT  read a receiver's settings over a serial line\n"
    "  serial-upload --port DEV IN     write settings into a receiver over a serial line\n"
    "  usb-download [--emulate FILE] [USB OPTIONS] OUT  read a receiver's settings over USB\n"
    "  usb-upload [--emulate FILE] [USB OPTIONS] IN     write settings into a receiver over USB\n"
    "USB options, as the editor's profile: --vendor ID --product ID (0x1234 or decimal),\n"
    "  --profile INI (its [SettingsUSB] VendorId and ProductId; the options win)\n"
    "\n"
    "Settings files are recognised by size: 499712 bytes (FTA/CI) or\n"
    "827392 bytes (PVR). Exit codes: 0 done, 1 a file failed, 2 bad usage.\n";

struct Entry {
  std::string_view name;
  int (*run)(const Args&, std::ostream&, std::ostream&);
};

// The manual page lists these commands; a test keeps the two in step.
constexpr Entry kCommands[] = {
    {"info", RunInfo}, {"dump", RunDump},       {"check", RunCheck}, {"resave", RunResave},
    {"new", RunNew},   {"convert", RunConvert}, {"demo", RunDemo}, {"find", RunFind},
    {"export-preset", RunExportPreset}, {"import-preset", RunImportPreset},
    {"import-vdr", RunImportVdr}, {"import-scan-table", RunImportScanTable},
    {"export-vdr", RunExportVdr}, {"export-csv", RunExportCsv}, {"order-like", RunOrderLike},
    {"update-transponders", RunUpdateTransponders},
    {"duplicates", RunDuplicates}, {"dedupe", RunDedupe}, {"sort", RunSort}, {"rename", RunRename},
    {"serial-download", RunSerialDownload}, {"serial-upload", RunSerialUpload},
    {"usb-download", RunUsbDownload}, {"usb-upload", RunUsbUpload},
};

}  // namespace

int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    out << kUsage;
    return kExitOk;
  }
  const std::string& name = args.front();
  if (name == "--help" || name == "-h" || name == "help") {
    out << kUsage;
    return kExitOk;
  }
  if (name == "--version") {
    out << "vqtool " << kVersion << "\n" << kLicenseNotice;
    return kExitOk;
  }
  for (const Entry& entry : kCommands) {
    if (entry.name != name) continue;
    // The readers report a failed allocation themselves; this catches any
    // other, so the tool always ends with a message and an exit code.
    try {
      return entry.run(Args(args.begin() + 1, args.end()), out, err);
    } catch (const std::bad_alloc&) {
      err << "vqtool: " << name << ": not enough memory\n";
      return kExitFailure;
    }
  }
  err << "vqtool: unknown command '" << name << "'\n" << kUsage;
  return kExitUsage;
}

std::vector<std::string_view> CommandNames() {
  std::vector<std::string_view> names;
  for (const Entry& entry : kCommands) names.push_back(entry.name);
  return names;
}

}  // namespace vq::tool
