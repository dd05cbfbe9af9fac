// Saving replaces the file in one step: the new image goes to a temporary
// file in the same folder, is synced, and is renamed over the target, so the
// old bytes stay intact until the new ones are complete on disk.

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "document/settings_file.h"

namespace vq {
namespace {

// Closes a descriptor when it goes out of scope unless released.
struct FdGuard {
  int fd = -1;
  ~FdGuard() {
    if (fd >= 0) ::close(fd);
  }
  int Release() { return std::exchange(fd, -1); }
};

// A symbolic link is followed so that the link stays and its target changes.
std::string ResolveTarget(const std::string& path) {
  char resolved[PATH_MAX];
  return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

std::string TempPattern(const std::string& target) {
  const size_t slash = target.rfind('/');
  const std::string dir = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  return dir + "." + name + ".XXXXXX";
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
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

void SyncFolder(const std::string& target) {
  const size_t slash = target.rfind('/');
  const std::string dir = slash == std::string::npos ? "." : target.substr(0, slash + 1);
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;  // the rename is done; a missed folder sync is not an error
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool SettingsFile::Save(const std::string& path, std::span<const uint8_t> image,
                        std::string& error) {
  const std::string target = ResolveTarget(path);
  const bool ownTarget = fd_ >= 0 && !readOnly_ && ResolveTarget(path_) == target;

  // Another holder of the target's lock keeps it from being replaced.
  FdGuard probe;
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && !ownTarget) {
    probe.fd = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
    if (probe.fd < 0 || ::flock(probe.fd, LOCK_EX | LOCK_NB) != 0) {
      error = kAccessDenied;
      return false;
    }
  }

  std::string temp = TempPattern(target);
  FdGuard out;
  out.fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (out.fd < 0) {
    error = kAccessDenied;
    return false;
  }
  ::flock(out.fd, LOCK_EX | LOCK_NB);  // a new file: nobody else can hold it
  ::fchmod(out.fd, exists ? (old.st_mode & 07777) : 0644);

  if (!WriteAll(out.fd, image) || ::fsync(out.fd) != 0 ||
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
