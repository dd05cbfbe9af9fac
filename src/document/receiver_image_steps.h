#pragma once
// The steps every receiver command shares, whatever the link: a temporary
// file that lives only during the command, the image sent to a receiver, and
// the load of a received image that touches the document only once the image
// has proved good. No Qt; the texts are the ones the user sees.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/text_translation.h"
#include "database/settings_database.h"

namespace vq {

/// Message texts of the receiver commands.
inline constexpr const char* kReceiverFileAccessError =
    VQ_TRANSLATE_NOOP("CoreText", "File acess error!");
inline constexpr const char* kReceiverImageCorrupted =
    VQ_TRANSLATE_NOOP("CoreText", "Open failed!\nFile corrupted!");
inline constexpr const char* kReceiverTempCreateFailed =
    VQ_TRANSLATE_NOOP("CoreText", "Failed to create temporary file!");
inline constexpr const char* kReceiverOpenedStatus =
    VQ_TRANSLATE_NOOP("CoreText", "Settings successfully opened from receiver!");

/// The user's temporary directory ($TMPDIR, else /tmp).
std::string DefaultTemporaryDirectory();

/// An empty file with a unique "tmp" name, created in `directory` on
/// construction and removed when the object goes, on every path.
class ReceiverTempFile {
 public:
  explicit ReceiverTempFile(const std::string& directory = DefaultTemporaryDirectory());
  ReceiverTempFile(const ReceiverTempFile&) = delete;
  ReceiverTempFile& operator=(const ReceiverTempFile&) = delete;
  ~ReceiverTempFile();

  /// False when the file could not be created; Path() is then empty.
  bool IsCreated() const { return !path_.empty(); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

/// What loading a received image came to.
enum class ReceivedImageResult {
  kLoaded,       ///< the target database now holds the image
  kDropped,      ///< size unknown, not an image size, or a short read: no message
  kAccessError,  ///< the file would not open: kReceiverFileAccessError
  kCorrupted,    ///< the image does not decode: kReceiverImageCorrupted
};

/// The message box text for `result`, or nullptr when nothing is shown.
const char* ReceivedImageMessage(ReceivedImageResult result);

/// Reads the received image at `path`, decodes it in a scratch database and
/// only then resets `target` to the image's model and loads it. On any
/// result but kLoaded `target` is left exactly as it was.
ReceivedImageResult LoadReceivedImage(const std::string& path, SettingsDatabase& target,
                                      const SettingsDatabase::Clock& clock = CurrentLocalDateTime);

/// Encodes `database` as a PVR image (827392 bytes), as receivers take it:
/// a model 0 database is switched to model 1 for the encoding and back, so
/// its model and content are unchanged afterwards. False for model 2.
bool EncodeReceiverImage(SettingsDatabase& database, std::vector<uint8_t>& image);

/// Writes `image` over the file at `path` (created or truncated). Empty on
/// success; otherwise the message to show: kReceiverTempCreateFailed when
/// the file will not open, or the write error's own text (at most 1000
/// characters).
std::string WriteReceiverImage(const std::string& path, std::span<const uint8_t> image);

}  // namespace vq
