// `vqtool demo [--from DESCRIPTION] OUT`: the demo settings file, built from
// the description compiled into the tool or from another description file.
#include "database/channel_types.h"
#include "vqtool/command_line.h"
#include "vqtool/commands.h"
#include "vqtool/demo_description.h"
#include "vqtool/demo_text.h"
#include "vqtool/settings_file.h"

namespace vq::tool {
namespace {

constexpr size_t kDescriptionLimit = size_t{4} * 1024 * 1024;

// A fixed clock keeps the demo file the same on every build.
LocalDateTime DemoClock() { return LocalDateTime{2025, 1, 6, 20, 15, 1}; }

}  // namespace

int RunDemo(const Args& args, std::ostream& out, std::ostream& err) {
  constexpr std::string_view kUsage = "vqtool demo [--from DESCRIPTION] OUT";
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(args, {"--from"}, {}, line, error)) return UsageError(err, error, kUsage);
  if (line.positional.size() != 1) return UsageError(err, "demo needs one OUT", kUsage);
  const std::string& target = line.positional[0];

  std::string source = "(bundled description)";
  std::string text(BundledDemoDescription());
  if (const auto from = line.options.find("--from"); from != line.options.end()) {
    source = from->second;
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(source, kDescriptionLimit, bytes, error))
      return FileError(err, source, error);
    text.assign(bytes.begin(), bytes.end());
  }

  SettingsDatabase db(DemoClock);
  DescriptionError problem;
  if (!BuildFromDescription(text, db, problem))
    return FileError(err, source, "line " + std::to_string(problem.line) + ": " + problem.message);
  if (!SaveSettingsFile(target, db, error)) return FileError(err, target, error);
  out << "Saved " << target << ": " << db.CountChannels(kAllTypes) << " channels on "
      << db.GetTransponderTotal() << " transponders\n";
  return kExitOk;
}

}  // namespace vq::tool
