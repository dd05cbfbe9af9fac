#pragma once
/// @file
/// The backup folder: the bytes an overwrite is about to destroy (a Save
/// over an existing file, an image written into a receiver) and every image
/// read from a receiver, kept as one file each, named by date, time and
/// where they came from, with an index of what each holds. Only the newest
/// `limit` are kept. Backups are a safety net: callers report a failure to
/// keep one and carry on with what they were doing.

#include <cstdint>
#include <ctime>
#include <span>
#include <string>
#include <vector>

#include "common/text_translation.h"
#include "document/file_system.h"

namespace vq {

enum class BackupReason : uint8_t {
  kBeforeSave,           ///< a file's bytes before Save or Save As replaced them
  kBeforeReceiverWrite,  ///< a receiver's image before one was written into it
  kReadFromReceiver,     ///< an image just read from a receiver
};

/// One kept image as the index lists it.
struct BackupEntry {
  std::string file;  ///< its name in the folder
  std::string time;  ///< local time kept, "2026-12-07 15:52:03"
  BackupReason reason = BackupReason::kBeforeSave;
  std::string source;                  ///< the file's path, or the receiver ("USB receiver")
  int model = -1;                      ///< 0 FTA/CI, 1 PVR, -1 not a settings image
  int tv = -1, radio = -1, data = -1;  ///< channel counts; -1 when it does not load
};

/// The default folder: $XDG_STATE_HOME/VQChannelEditor/backups, else
/// $HOME/.local/state/VQChannelEditor/backups; empty without either.
std::string DefaultBackupFolder(const char* xdgStateHome, const char* home);

/// The word for a reason in the index and in file names ("save", ...).
std::string_view BackupReasonWord(BackupReason reason);

class BackupFolder {
 public:
  /// Bounds on what is read back from the folder.
  static constexpr size_t kMaxIndexBytes = size_t{1} << 20;
  static constexpr int kMaxKept = 1000;

  /// `files` must outlive the folder.
  explicit BackupFolder(std::string path, FileSystem& files = NativeFileSystem());

  const std::string& Path() const { return path_; }

  /// The backups, newest first; entries whose file is gone are left out.
  std::vector<BackupEntry> List() const;

  /// Keeps `image` (creating the folder when needed), then removes the
  /// oldest backups beyond `limit` (at most kMaxKept). `limit` 0 keeps
  /// nothing and succeeds. False, with `error` saying why, when the image
  /// could not be kept; the folder is left as it was then.
  bool Keep(std::span<const uint8_t> image, BackupReason reason, const std::string& source,
            int limit, std::time_t now, std::string& error);

  /// Reads a listed backup; only a file of a settings image's size is read.
  bool Read(const BackupEntry& entry, std::vector<uint8_t>& image, std::string& error) const;

  static constexpr const char* kNotAnImage =
      VQ_TRANSLATE_NOOP("CoreText", "not a backup of a settings image");
  static constexpr const char* kNoFolder = VQ_TRANSLATE_NOOP(
      "CoreText", "No folder for backups (neither XDG_STATE_HOME nor HOME is set).");

 private:
  std::vector<BackupEntry> ReadIndex() const;
  bool WriteIndex(const std::vector<BackupEntry>& entries, std::string& error) const;
  std::string FilePath(const std::string& name) const { return path_ + "/" + name; }

  std::string path_;
  FileSystem& files_;
};

}  // namespace vq
