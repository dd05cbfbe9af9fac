#include "document/file_system.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

namespace vq {

int PosixFileSystem::Open(const std::string& path, int flags) {
  return ::open(path.c_str(), flags & ~O_CREAT);
}

int PosixFileSystem::CreateTemp(std::string& pattern) {
  return ::mkostemp(pattern.data(), O_CLOEXEC);
}

ssize_t PosixFileSystem::WriteAt(int fd, const uint8_t* bytes, size_t size, off_t offset) {
  return ::pwrite(fd, bytes, size, offset);
}

FileSystem& NativeFileSystem() {
  static PosixFileSystem files;
  return files;
}

}  // namespace vq
