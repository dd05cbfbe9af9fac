#pragma once
// The settings file a document holds open: recognised by size, read whole,
// and replaced in one step on save.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/text_translation.h"
#include "document/file_system.h"
#include "image/image_layout.h"

namespace vq {

/// Size of the file at `path`, or nothing when it cannot be queried.
std::optional<uint64_t> QueryFileSize(const std::string& path);

/// The model a settings file of `size` bytes holds, or kModelNone.
ReceiverModel ModelForFileSize(uint64_t size);

/// An open settings file. A writable one carries an exclusive advisory lock
/// (flock) for as long as it is held, so a second instance sees it as opened
/// by another application; a read-only one holds no lock. Move-only; closing
/// or destroying it releases the file and its lock. `files` must outlive it.
class SettingsFile {
 public:
  enum class ReadStatus { kRead, kInvalidSize, kFailed };

  explicit SettingsFile(FileSystem& files = NativeFileSystem()) : files_(&files) {}
  SettingsFile(SettingsFile&& other) noexcept;
  SettingsFile& operator=(SettingsFile&& other) noexcept;
  SettingsFile(const SettingsFile&) = delete;
  SettingsFile& operator=(const SettingsFile&) = delete;
  ~SettingsFile();

  /// Opens for reading and writing and takes the lock without waiting;
  /// false when either fails (another holder has the lock, or no access).
  bool OpenForWriting(const std::string& path);
  /// Opens for reading only, without a lock.
  bool OpenReadOnly(const std::string& path);
  /// Reads the whole file into `image` when its size is one of the two image
  /// sizes; any other size is refused without reading a byte.
  ReadStatus ReadImage(std::vector<uint8_t>& image) const;

  /// Writes `image` to a temporary file beside `path`, syncs it and renames
  /// it over `path`; then holds the new file, locked, in place of the old
  /// one. A symbolic link stays and its target is written, under the rules
  /// of ResolveWriteTarget; the new file keeps the old one's group, mode and
  /// ACL (a new one gets 0666 less the umask). An existing `path` must be a
  /// regular file the user may write and nobody else holds locked, else it
  /// is left alone. When no temporary file can be made there (a read-only
  /// folder, a full disk), an existing `path` is rewritten in place, its old
  /// bytes kept in memory and put back should the write fail. On failure this
  /// object keeps what it held and `error` says why (and whether the old
  /// bytes had to be put back).
  bool Save(const std::string& path, std::span<const uint8_t> image, std::string& error);

  void Close();
  bool IsOpen() const { return fd_ >= 0; }
  bool IsReadOnly() const { return readOnly_; }
  const std::string& Path() const { return path_; }

  /// The text shown when the save target cannot be created, may not be
  /// written or is locked.
  static constexpr const char* kAccessDenied =
      VQ_TRANSLATE_NOOP("CoreText", "Cannot save settings file!\nAccess is denied.");
  /// The texts shown when the save target is a device, FIFO or folder, or a
  /// link that another user put in a folder open to everyone.
  static constexpr const char* kNotRegularFile =
      VQ_TRANSLATE_NOOP("CoreText", "Cannot save settings file!\nIt is not a regular file.");
  static constexpr const char* kForeignLink = VQ_TRANSLATE_NOOP(
      "CoreText",
      "Cannot save settings file!\nIt is a link that another user made in a folder open to "
      "everyone.");
  /// Added to the error of an in-place write that failed.
  static constexpr const char* kOldBytesRestored =
      VQ_TRANSLATE_NOOP("CoreText", "\nThe file's previous contents were put back.");
  static constexpr const char* kOldBytesLost = VQ_TRANSLATE_NOOP(
      "CoreText", "\nThe file's previous contents could not be put back; the file may be damaged.");

 private:
  void Adopt(int fd, std::string path, bool readOnly);
  bool WriteAllAt(int fd, std::span<const uint8_t> bytes) const;
  bool RewriteInPlace(int fd, std::span<const uint8_t> image, std::string& error) const;

  FileSystem* files_;
  int fd_ = -1;
  bool readOnly_ = false;
  std::string path_;
};

}  // namespace vq
