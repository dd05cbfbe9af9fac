// order-like: renumbering a settings file's channels after a reference list.
#include "image/image_layout.h"
#include "interchange/order_like.h"
#include "interchange/vdr_channels_reader.h"
#include "vqtool/command_line.h"
#include "vqtool/interchange_commands.h"
#include "vqtool/settings_file.h"
#include "vqtool/text_files.h"

namespace vq::tool {
namespace {

// A settings file, a channels.conf or a text list, tried in that order.
bool ReadReference(const std::string& path, ReferenceList& reference, bool& fromSettings,
                   std::string& error) {
  std::string text;
  if (!ReadTextFile(path, text, error)) return false;
  fromSettings = ModelForImageSize(text.size()) != kModelNone;
  if (fromSettings) {
    SettingsDatabase db;
    if (!LoadSettingsFile(path, db, error)) return false;
    reference = ReferenceOfDatabase(db);
    return true;
  }
  const ChannelListRead vdr = ReadVdrChannels(text);
  if (vdr.recognised) {
    reference = ReferenceOfChannelList(vdr.list);
    return true;
  }
  ReferenceRead list = ReadReferenceText(text);
  if (!list.recognised) {
    error = "not a settings file or a VDR channels.conf; " + list.message;
    return false;
  }
  reference = std::move(list.list);
  return true;
}

}  // namespace

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

  ReferenceList reference;
  bool fromSettings = false;
  if (!ReadReference(source, reference, fromSettings, error)) return FileError(err, source, error);
  SettingsDatabase db;
  if (!LoadSettingsFile(in, db, error)) return FileError(err, in, error);
  OrderOptions options;
  options.takeFavorites = line.Has("--favourites");
  if (options.takeFavorites && !fromSettings)
    err << "vqtool: " << source << ": only a settings file has favourite groups to take\n";
  const OrderSummary summary = OrderLikeReference(db, reference, options);
  PrintLines(err, OrderSummaryLines(summary));
  if (summary.Matched() == 0)
    return FileError(err, source, "no channel matched; " + target + " was not written");
  if (!SaveSettingsFile(target, db, error)) return FileError(err, target, error);
  out << "Saved " << target << " (" << summary.Matched() << " channels ordered like " << source
      << ")\n";
  return kExitOk;
}

}  // namespace vq::tool
