// order-like: renumbering a settings file's channels after a reference list.
#include "interchange/order_like.h"
#include "vqtool/commands.h"
#include "vqtool/settings_file.h"
#include "vqtool/text_files.h"

namespace vq::tool {
namespace {

struct OrderLikeOptions {
  std::string source;
  std::string in;
  std::string target;
  bool favourites = false;
};

int RunOrderLike(const OrderLikeOptions& given, std::ostream& out, std::ostream& err) {
  const std::string& source = given.source;
  const std::string& in = given.in;
  const std::string& target = given.target;
  std::string error;
  std::string bytes;
  if (!ReadTextFile(source, bytes, error)) return FileError(err, source, error);
  const ReferenceFile reference = ReadReferenceFile(bytes);
  if (!reference.read.recognised) return FileError(err, source, reference.read.message);
  SettingsDatabase db;
  if (!LoadSettingsFile(in, db, error)) return FileError(err, in, error);
  OrderOptions options;
  options.takeFavorites = given.favourites;
  if (options.takeFavorites && !reference.fromSettings)
    err << "vqtool: " << source << ": only a settings file has favourite groups to take\n";
  const OrderSummary summary = OrderLikeReference(db, reference.read.list, options);
  PrintLines(err, OrderSummaryLines(summary));
  if (summary.Matched() == 0)
    return FileError(err, source, "no channel matched; " + target + " was not written");
  if (!SaveSettingsFile(target, db, error)) return FileError(err, target, error);
  out << "Saved " << target << " (" << summary.Matched() << " channels ordered like " << source
      << ")\n";
  return kExitOk;
}

}  // namespace

void AddOrderLikeCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command = AddCommand(app, "order-like", "[--favourites] REFERENCE IN OUT",
                                 "number the channels like another list");
  OrderLikeOptions& options = OnRun(command, context, RunOrderLike);
  command.add_flag("--favourites", options.favourites,
                   "take the favourite groups too, when REFERENCE is a settings file");
  command
      .add_option("REFERENCE", options.source,
                  "a settings file, a VDR channels.conf or a \"number;name\" list")
      ->required();
  command.add_option("IN", options.in, "the settings file to renumber")->required();
  command.add_option("OUT", options.target, "the file to write")->required();
}

}  // namespace vq::tool
