#pragma once
// The rules for writing over a file, shared by settings files, exports and
// the command-line tool: where a symbolic link leads and when it may be
// followed, which targets are refused, and what a new file keeps of the old.

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdint>
#include <span>
#include <string>

#include "common/text_translation.h"
#include "document/file_system.h"

namespace vq {

/// Where a write of a path lands, and what is there now.
struct WriteTarget {
  std::string path;  ///< the path, or the file its symbolic links lead to
  bool exists = false;
  struct stat info {};  ///< of the existing target
};

enum class TargetRefusal {
  kNone,
  kNotRegular,   ///< a device, FIFO, socket or folder: never rewritten
  kForeignLink,  ///< a link the kernel itself would not follow
  kLinkLoop,     ///< too many links in a row
};

/// Follows `path` while it is a symbolic link, so the link stays a link and
/// its target is written. A link in a sticky folder anyone may write (such
/// as /tmp) is followed only when it belongs to the user or to the folder's
/// owner: the rule the kernel applies to such links (protected_symlinks),
/// which resolving a path beforehand would sidestep. An existing target must
/// be a regular file.
TargetRefusal ResolveWriteTarget(const std::string& path, WriteTarget& target);

/// A mkostemp(3) pattern for a hidden temporary file beside `target`, so a
/// rename over the target stays within its folder.
std::string TempPatternBeside(const std::string& target);

/// 0666 less the process's umask: the mode open(2) gives a new file.
mode_t NewFileMode();

/// Gives the new file `to` what the old file `from` had besides its bytes:
/// its group (and owner, when root writes), mode and access ACL, as far as
/// the user may set them. Without an old file (`from` -1) the new-file mode.
void CopyFileAttributes(int from, int to);

/// Why a replace did not happen, as a marked text; the system's message for
/// a failed write.
struct ReplaceResult {
  bool done = false;
  std::string reason;
};

inline constexpr const char* kReplaceDenied = VQ_TRANSLATE_NOOP("CoreText", "Access is denied.");
inline constexpr const char* kReplaceNotRegular =
    VQ_TRANSLATE_NOOP("CoreText", "It is not a regular file.");
inline constexpr const char* kReplaceForeignLink = VQ_TRANSLATE_NOOP(
    "CoreText", "It is a link that another user made in a folder open to everyone.");

/// The text for a refusal; empty for kNone.
const char* RefusalText(TargetRefusal refusal);

/// Writes `bytes` to a temporary file beside the target, syncs it and
/// renames it over the target. An existing target must be a regular file
/// the user may write and that no editor holds locked; a link to it stays.
ReplaceResult ReplaceFile(const std::string& path, std::span<const uint8_t> bytes,
                          FileSystem& files = NativeFileSystem());

}  // namespace vq
