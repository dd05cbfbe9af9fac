#pragma once
// The operating system's file operations with faults a test switches on:
// files the user may not write, no room for a temporary file, and writes
// that stop part-way. They act the same for root, whom mode bits never stop.

#include <fcntl.h>

#include <cerrno>
#include <cstddef>
#include <limits>
#include <set>
#include <string>

#include "document/file_system.h"

namespace vq::test {

class FaultyFileSystem : public PosixFileSystem {
 public:
  /// Paths an open for writing refuses with EACCES (reading still works).
  std::set<std::string> unwritable;
  /// Every temporary file fails with this errno (0: they work).
  int tempError = 0;
  /// Bytes the writes may still put before one fails with ENOSPC; after
  /// that failure writes work again unless `writesStayBroken`.
  size_t writeBudget = std::numeric_limits<size_t>::max();
  bool writesStayBroken = false;
  int tempsCreated = 0;

  int Open(const std::string& path, int flags) override {
    if ((flags & O_ACCMODE) != O_RDONLY && unwritable.count(path) != 0) {
      errno = EACCES;
      return -1;
    }
    return PosixFileSystem::Open(path, flags);
  }

  int CreateTemp(std::string& pattern) override {
    if (tempError != 0) {
      errno = tempError;
      return -1;
    }
    ++tempsCreated;
    return PosixFileSystem::CreateTemp(pattern);
  }

  ssize_t WriteAt(int fd, const uint8_t* bytes, size_t size, off_t offset) override {
    if (writeBudget == 0) {
      if (!writesStayBroken) writeBudget = std::numeric_limits<size_t>::max();
      errno = ENOSPC;
      return -1;
    }
    const size_t allowed = size < writeBudget ? size : writeBudget;
    const ssize_t put = PosixFileSystem::WriteAt(fd, bytes, allowed, offset);
    if (put > 0 && writeBudget != std::numeric_limits<size_t>::max())
      writeBudget -= static_cast<size_t>(put);
    return put;
  }
};

}  // namespace vq::test
