// Saving replaces the file in one step: the new image goes to a temporary
// file in the same folder, is synced, and is renamed over the target, so the
// old bytes stay intact until the new ones are complete on disk. Where no
// temporary file can be made, the target is rewritten in place with its old
// bytes kept in memory to put back.

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "document/file_replace.h"
#include "document/settings_file.h"

namespace vq {
namespace {

// A target larger than this is no settings file; its bytes are not held in
// memory for an in-place rewrite.
constexpr off_t kMaxKeptBytes = off_t{16} * 1024 * 1024;

// Closes a descriptor when it goes out of scope unless released.
struct FdGuard {
  int fd = -1;
  FdGuard() = default;
  FdGuard(const FdGuard&) = delete;
  FdGuard& operator=(const FdGuard&) = delete;
  ~FdGuard() {
    if (fd >= 0) ::close(fd);
  }
  int Release() { return std::exchange(fd, -1); }
};

bool ReadAllAt(int fd, std::vector<uint8_t>& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t got =
        ::pread(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      if (got == 0) errno = EIO;
      return false;
    }
    done += static_cast<size_t>(got);
  }
  return true;
}

void SyncFolder(const std::string& target) {
  const size_t slash = target.rfind('/');
  const std::string dir = slash == std::string::npos ? "." : target.substr(0, slash + 1);
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;  // the rename is done; a missed folder sync is not an error
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool SettingsFile::WriteAllAt(int fd, std::span<const uint8_t> bytes) const {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put =
        files_->WriteAt(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (put < 0 && errno == EINTR) continue;
    if (put < 0) return false;
    if (put == 0) {
      errno = EIO;
      return false;
    }
    done += static_cast<size_t>(put);
  }
  return true;
}

bool SettingsFile::RewriteInPlace(int fd, std::span<const uint8_t> image,
                                  std::string& error) const {
  struct stat info {};
  if (::fstat(fd, &info) != 0 || info.st_size > kMaxKeptBytes) {
    error = kAccessDenied;
    return false;
  }
  std::vector<uint8_t> old(static_cast<size_t>(info.st_size));
  if (!ReadAllAt(fd, old)) {
    error = std::strerror(errno);
    return false;
  }
  const auto write = [&](std::span<const uint8_t> bytes) {
    return WriteAllAt(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
           ::fsync(fd) == 0;
  };
  if (write(image)) return true;
  error = std::strerror(errno);
  error += write(old) ? kOldBytesRestored : kOldBytesLost;
  return false;
}

bool SettingsFile::Save(const std::string& path, std::span<const uint8_t> image,
                        std::string& error) {
  WriteTarget resolved;
  switch (ResolveWriteTarget(path, resolved)) {
    case TargetRefusal::kNone:
      break;
    case TargetRefusal::kNotRegular:
      error = kNotRegularFile;
      return false;
    case TargetRefusal::kForeignLink:
      error = kForeignLink;
      return false;
    case TargetRefusal::kLinkLoop:
      error = kAccessDenied;
      return false;
  }
  const std::string& target = resolved.path;
  const bool exists = resolved.exists;
  struct stat held {};
  const bool ownTarget = exists && fd_ >= 0 && !readOnly_ && ::fstat(fd_, &held) == 0 &&
                         held.st_dev == resolved.info.st_dev && held.st_ino == resolved.info.st_ino;

  // An existing target is opened for writing and locked as an open for
  // editing would: a file the user may not write, or one another holder has
  // locked, is never replaced.
  FdGuard other;
  if (exists && !ownTarget) {
    other.fd = files_->Open(target, O_RDWR | O_CLOEXEC);
    if (other.fd < 0 || ::flock(other.fd, LOCK_EX | LOCK_NB) != 0) {
      error = kAccessDenied;
      return false;
    }
  }

  std::string temp = TempPatternBeside(target);
  FdGuard out;
  out.fd = files_->CreateTemp(temp);
  if (out.fd < 0) {
    if (!exists) {
      error = kAccessDenied;
      return false;
    }
    if (!RewriteInPlace(ownTarget ? fd_ : other.fd, image, error)) return false;
    if (ownTarget)
      path_ = path;
    else
      Adopt(other.Release(), path, false);
    return true;
  }
  ::flock(out.fd, LOCK_EX | LOCK_NB);  // a new file: nobody else can hold it
  CopyFileAttributes(ownTarget ? fd_ : other.fd, out.fd);

  if (!WriteAllAt(out.fd, image) || ::fsync(out.fd) != 0 ||
      ::rename(temp.c_str(), target.c_str()) != 0) {
    error = std::strerror(errno);
    ::unlink(temp.c_str());
    return false;
  }
  SyncFolder(target);
  Adopt(out.Release(), path, false);
  return true;
}

}  // namespace vq
