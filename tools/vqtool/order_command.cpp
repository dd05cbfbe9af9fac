// order-like: renumbering a settings file's channels after a reference list.
#include "interchange/order_like.h"
#include "vqtool/command_line.h"
#include "vqtool/interchange_commands.h"
#include "vqtool/settings_file.h"
#include "vqtool/text_files.h"

namespace vq::tool {

int RunOrderLike(const Args& args, std::ostream& out, std::ostream& err) {
  constexpr std::string_view kUsage = "vqtool order-like [--favourites] REFERENCE IN OUT";
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(args, {}, {"--favourites"}, line, error))
    return UsageError(err, error, kUsage);
  if (line.positional.size() != 3)
    return UsageError(err, "order-like needs REFERENCE, IN and OUT", kUsage);
  const std::string& source = line.positional[0];
  const std::string& in = line.positional[1];
  const std::string& target = line.positional[2];

  std::string bytes;
  if (!ReadTextFile(source, bytes, error)) return FileError(err, source, error);
  const ReferenceFile reference = ReadReferenceFile(bytes);
  if (!reference.read.recognised) return FileError(err, source, reference.read.message);
  SettingsDatabase db;
  if (!LoadSettingsFile(in, db, error)) return FileError(err, in, error);
  OrderOptions options;
  options.takeFavorites = line.Has("--favourites");
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

}  // namespace vq::tool
