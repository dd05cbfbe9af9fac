#include "document/file_replace.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <utility>
#include <vector>

namespace vq {
namespace {

// As many links in a row as the kernel follows.
constexpr int kMaxLinks = 40;

// The name under which an access ACL is kept.
constexpr const char* kAccessAcl = "system.posix_acl_access";

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// The kernel's rule: a link in a sticky folder anyone may write is followed
// only by its owner, or when the folder's owner made it.
bool MayFollow(const std::string& link, const struct stat& info) {
  struct stat folder {};
  if (::stat(FolderOf(link).c_str(), &folder) != 0) return true;
  const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
  return !shared || info.st_uid == ::geteuid() || info.st_uid == folder.st_uid;
}

struct FdGuard {
  int fd = -1;
  FdGuard() = default;
  FdGuard(const FdGuard&) = delete;
  FdGuard& operator=(const FdGuard&) = delete;
  ~FdGuard() {
    if (fd >= 0) ::close(fd);
  }
};

bool WriteAll(FileSystem& files, int fd, std::span<const uint8_t> bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put =
        files.WriteAt(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      if (put == 0) errno = EIO;
      return false;
    }
    done += static_cast<size_t>(put);
  }
  return true;
}

}  // namespace

std::string TempPatternBeside(const std::string& target) {
  const size_t slash = target.rfind('/');
  const std::string dir = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  return dir + "." + name + ".XXXXXX";
}

TargetRefusal ResolveWriteTarget(const std::string& path, WriteTarget& target) {
  target.path = path;
  for (int links = 0;; ++links) {
    struct stat info {};
    if (::lstat(target.path.c_str(), &info) != 0) {
      target.exists = false;
      return TargetRefusal::kNone;
    }
    if (!S_ISLNK(info.st_mode)) {
      target.exists = true;
      target.info = info;
      return S_ISREG(info.st_mode) ? TargetRefusal::kNone : TargetRefusal::kNotRegular;
    }
    if (links == kMaxLinks) return TargetRefusal::kLinkLoop;
    if (!MayFollow(target.path, info)) return TargetRefusal::kForeignLink;
    char next[PATH_MAX];
    const ssize_t length = ::readlink(target.path.c_str(), next, sizeof next);
    if (length <= 0 || static_cast<size_t>(length) >= sizeof next) return TargetRefusal::kLinkLoop;
    const std::string named(next, static_cast<size_t>(length));
    target.path = named.front() == '/' ? named : FolderOf(target.path) + named;
  }
}

mode_t NewFileMode() {
  // umask can only be read by setting it; it is put back at once.
  const mode_t mask = ::umask(022);
  ::umask(mask);
  return 0666 & ~mask;
}

void CopyFileAttributes(int from, int to) {
  struct stat old {};
  if (from < 0 || ::fstat(from, &old) != 0) {
    ::fchmod(to, NewFileMode());
    return;
  }
  // Owner and group first: changing them may clear the set-id bits. Each is
  // kept only as far as the user may set it.
  if (::fchown(to, ::geteuid() == 0 ? old.st_uid : static_cast<uid_t>(-1), old.st_gid) != 0)
    ::fchown(to, static_cast<uid_t>(-1), old.st_gid);
  ::fchmod(to, old.st_mode & 07777);
  std::vector<char> acl(256);
  for (;;) {
    const ssize_t size = ::fgetxattr(from, kAccessAcl, acl.data(), acl.size());
    if (size >= 0) {
      ::fsetxattr(to, kAccessAcl, acl.data(), static_cast<size_t>(size), 0);
      return;
    }
    if (errno != ERANGE || acl.size() >= 65536) return;
    acl.resize(acl.size() * 4);
  }
}

const char* RefusalText(TargetRefusal refusal) {
  switch (refusal) {
    case TargetRefusal::kNone:
      return "";
    case TargetRefusal::kNotRegular:
      return kReplaceNotRegular;
    case TargetRefusal::kForeignLink:
      return kReplaceForeignLink;
    case TargetRefusal::kLinkLoop:
      return kReplaceDenied;
  }
  return kReplaceDenied;
}

ReplaceResult ReplaceFile(const std::string& path, std::span<const uint8_t> bytes,
                          FileSystem& files) {
  ReplaceResult result;
  WriteTarget target;
  const TargetRefusal refusal = ResolveWriteTarget(path, target);
  if (refusal != TargetRefusal::kNone) {
    result.reason = RefusalText(refusal);
    return result;
  }
  // Opened for writing and locked as an editor would: a file the user may
  // not write, or one an editor holds, is never replaced.
  FdGuard old;
  if (target.exists) {
    old.fd = files.Open(target.path, O_RDWR | O_CLOEXEC);
    if (old.fd < 0 || ::flock(old.fd, LOCK_EX | LOCK_NB) != 0) {
      result.reason = kReplaceDenied;
      return result;
    }
  }
  std::string temp = TempPatternBeside(target.path);
  FdGuard out;
  out.fd = files.CreateTemp(temp);
  if (out.fd < 0) {
    result.reason = std::strerror(errno);
    return result;
  }
  CopyFileAttributes(old.fd, out.fd);
  if (!WriteAll(files, out.fd, bytes) || ::fsync(out.fd) != 0 ||
      ::rename(temp.c_str(), target.path.c_str()) != 0) {
    result.reason = std::strerror(errno);
    ::unlink(temp.c_str());
    return result;
  }
  result.done = true;
  return result;
}

}  // namespace vq
