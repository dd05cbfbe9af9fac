#include "document/receiver_image_steps.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <utility>

#include "document/settings_file.h"

namespace vq {
namespace {

constexpr size_t kMaxErrorText = 1000;

// Closes the descriptor on every path out of a step.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Get() const { return fd_; }
  int Release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

bool ReadAll(int fd, std::vector<uint8_t>& data) {
  size_t done = 0;
  while (done < data.size()) {
    const ssize_t got = ::read(fd, data.data() + done, data.size() - done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    done += static_cast<size_t>(got);
  }
  return true;
}

std::string ErrorText(int error) {
  std::string text = std::strerror(error);
  if (text.size() > kMaxErrorText) text.resize(kMaxErrorText);
  return text;
}

}  // namespace

std::string DefaultTemporaryDirectory() {
  const char* dir = std::getenv("TMPDIR");
  return dir && *dir ? std::string(dir) : std::string("/tmp");
}

ReceiverTempFile::ReceiverTempFile(const std::string& directory) {
  std::string pattern = directory + "/tmpXXXXXX";
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return;
  ::close(fd);
  path_ = pattern;
}

ReceiverTempFile::~ReceiverTempFile() {
  if (!path_.empty()) ::unlink(path_.c_str());
}

const char* ReceivedImageMessage(ReceivedImageResult result) {
  switch (result) {
    case ReceivedImageResult::kAccessError:
      return kReceiverFileAccessError;
    case ReceivedImageResult::kCorrupted:
      return kReceiverImageCorrupted;
    case ReceivedImageResult::kLoaded:
    case ReceivedImageResult::kDropped:
      break;
  }
  return nullptr;
}

ReceivedImageResult LoadReceivedImage(const std::string& path, SettingsDatabase& target,
                                      const SettingsDatabase::Clock& clock) {
  const std::optional<uint64_t> size = QueryFileSize(path);
  if (!size) return ReceivedImageResult::kDropped;
  const ReceiverModel model = ModelForFileSize(*size);
  if (model == kModelNone) return ReceivedImageResult::kDropped;

  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.Get() < 0) return ReceivedImageResult::kAccessError;
  std::vector<uint8_t> image(static_cast<size_t>(*size));
  if (!ReadAll(file.Get(), image)) return ReceivedImageResult::kDropped;

  SettingsDatabase scratch(clock);
  scratch.ResetToDefaults(model, false);
  if (!scratch.LoadImage(image)) return ReceivedImageResult::kCorrupted;

  // The same bytes decoded in the scratch database, so this load succeeds.
  target.ResetToDefaults(model, false);
  target.LoadImage(image);
  return ReceivedImageResult::kLoaded;
}

bool EncodeReceiverImage(SettingsDatabase& database, std::vector<uint8_t>& image) {
  const int32_t model = database.GetModel();
  if (model == kModelNone) return false;
  if (model == kModelFtaCi) database.ChangeModel(kModelPvr);
  const bool built = database.GetSettings(image);
  if (model == kModelFtaCi) database.ChangeModel(kModelFtaCi);
  return built;
}

std::string WriteReceiverImage(const std::string& path, std::span<const uint8_t> image) {
  FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
  if (file.Get() < 0) return kReceiverTempCreateFailed;
  size_t done = 0;
  while (done < image.size()) {
    const ssize_t put = ::write(file.Get(), image.data() + done, image.size() - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return ErrorText(put < 0 ? errno : ENOSPC);
    done += static_cast<size_t>(put);
  }
  if (::close(file.Release()) != 0) return ErrorText(errno);
  return {};
}

}  // namespace vq
