// `vqtool demo [--from DESCRIPTION] OUT`: the demo settings file, built from
// the description compiled into the tool or from another description file.
#include <optional>

#include "database/channel_types.h"
#include "vqtool/commands.h"
#include "vqtool/demo_description.h"
#include "vqtool/demo_text.h"
#include "vqtool/settings_file.h"

namespace vq::tool {
namespace {

constexpr size_t kDescriptionLimit = size_t{4} * 1024 * 1024;

// A fixed clock keeps the demo file the same on every build.
LocalDateTime DemoClock() { return LocalDateTime{2025, 1, 6, 20, 15, 1}; }

struct DemoOptions {
  std::optional<std::string> from;
  std::string target;
};

int RunDemo(const DemoOptions& options, std::ostream& out, std::ostream& err) {
  const std::string& target = options.target;
  std::string error;
  std::string source = "(bundled description)";
  std::string text(BundledDemoDescription());
  if (options.from) {
    source = *options.from;
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

}  // namespace

void AddDemoCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command = AddCommand(app, "demo", "[--from DESCRIPTION] OUT", "the demo settings file");
  DemoOptions& options = OnRun(command, context, RunDemo);
  command.add_option("--from", options.from, "build it from this description file instead")
      ->type_name("DESCRIPTION");
  command.add_option("OUT", options.target, "the file to write")->required();
}

}  // namespace vq::tool
