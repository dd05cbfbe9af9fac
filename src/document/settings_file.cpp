#include "document/settings_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace vq {

std::optional<uint64_t> QueryFileSize(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return static_cast<uint64_t>(info.st_size);
}

ReceiverModel ModelForFileSize(uint64_t size) {
  if (size == kImageSizeModel0) return kModelFtaCi;
  if (size == kImageSizeModel1) return kModelPvr;
  return kModelNone;
}

SettingsFile::SettingsFile(SettingsFile&& other) noexcept
    : files_(other.files_),
      fd_(std::exchange(other.fd_, -1)),
      readOnly_(std::exchange(other.readOnly_, false)),
      path_(std::move(other.path_)) {}

SettingsFile& SettingsFile::operator=(SettingsFile&& other) noexcept {
  if (this != &other) {
    Close();
    files_ = other.files_;
    fd_ = std::exchange(other.fd_, -1);
    readOnly_ = std::exchange(other.readOnly_, false);
    path_ = std::move(other.path_);
  }
  return *this;
}

SettingsFile::~SettingsFile() { Close(); }

void SettingsFile::Close() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the lock as well
  fd_ = -1;
  readOnly_ = false;
  path_.clear();
}

void SettingsFile::Adopt(int fd, std::string path, bool readOnly) {
  Close();
  fd_ = fd;
  readOnly_ = readOnly;
  path_ = std::move(path);
}

bool SettingsFile::OpenForWriting(const std::string& path) {
  const int fd = files_->Open(path, O_RDWR | O_CLOEXEC);
  if (fd < 0) return false;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  Adopt(fd, path, false);
  return true;
}

bool SettingsFile::OpenReadOnly(const std::string& path) {
  const int fd = files_->Open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  Adopt(fd, path, true);
  return true;
}

SettingsFile::ReadStatus SettingsFile::ReadImage(std::vector<uint8_t>& image) const {
  struct stat info {};
  if (fd_ < 0 || ::fstat(fd_, &info) != 0) return ReadStatus::kFailed;
  const auto size = static_cast<uint64_t>(info.st_size);
  if (ModelForFileSize(size) == kModelNone) return ReadStatus::kInvalidSize;

  image.assign(size, 0);
  size_t done = 0;
  while (done < size) {
    const ssize_t got = ::pread(fd_, image.data() + done, size - done, static_cast<off_t>(done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      image.clear();
      return ReadStatus::kFailed;
    }
    done += static_cast<size_t>(got);
  }
  return ReadStatus::kRead;
}

}  // namespace vq
