// Telling the kind of a reference file and reading it.
#include <span>

#include "common/text_translation.h"
#include "database/settings_database.h"
#include "interchange/reference_list.h"
#include "interchange/vdr_channels_reader.h"

namespace vq {

ReferenceFile ReadReferenceFile(std::string_view bytes) {
  ReferenceFile file;
  const ReceiverModel model = ModelForImageSize(bytes.size());
  if (model != kModelNone) {
    file.fromSettings = true;
    SettingsDatabase db;
    db.ResetToDefaults(model, false);
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    if (!db.LoadImage(std::span<const uint8_t>(data, bytes.size()))) {
      file.read.message = VQ_TRANSLATE_NOOP("CoreText", "The settings file could not be decoded.");
      return file;
    }
    file.read.recognised = true;
    file.read.list = ReferenceOfDatabase(db);
    return file;
  }
  const ChannelListRead vdr = ReadVdrChannels(bytes);
  if (vdr.recognised) {
    file.read.recognised = true;
    file.read.list = ReferenceOfChannelList(vdr.list);
    return file;
  }
  file.read = ReadReferenceText(bytes);
  if (!file.read.recognised)
    file.read.message =
        VQ_TRANSLATE_NOOP("CoreText",
                          "The file is not a settings file, a VDR channels.conf or a "
                          "channel list (number;name).");
  return file;
}

}  // namespace vq
