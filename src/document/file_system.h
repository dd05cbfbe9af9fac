#pragma once
// The file operations through which a settings file decides whether it may
// write and how: opening, making the temporary file beside the target, and
// writing. Tests put a fake in their place to act out a file the user may
// not write, a folder without room for a temporary file or a write that
// fails part-way, whoever runs them (mode bits stop nothing for root).

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace vq {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  /// As open(2) without creation: a descriptor, or -1 with errno set.
  /// Opening for writing is the check that the user may write the file.
  virtual int Open(const std::string& path, int flags) = 0;
  /// As mkostemp(3) with O_CLOEXEC: `pattern` ends in "XXXXXX", which is
  /// replaced by the name made; -1 with errno set on failure.
  virtual int CreateTemp(std::string& pattern) = 0;
  /// As pwrite(2): the bytes written, or -1 with errno set.
  virtual ssize_t WriteAt(int fd, const uint8_t* bytes, size_t size, off_t offset) = 0;
};

/// The operating system's own file operations.
class PosixFileSystem : public FileSystem {
 public:
  int Open(const std::string& path, int flags) override;
  int CreateTemp(std::string& pattern) override;
  ssize_t WriteAt(int fd, const uint8_t* bytes, size_t size, off_t offset) override;
};

/// The one PosixFileSystem every settings file uses unless given another.
FileSystem& NativeFileSystem();

}  // namespace vq
