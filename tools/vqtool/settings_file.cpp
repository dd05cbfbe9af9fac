#include "vqtool/settings_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "image/image_layout.h"

namespace vq::tool {
namespace {

std::string SystemError(const char* what) {
  return std::string(what) + " (" + std::strerror(errno) + ")";
}

std::string NotASettingsFile(uintmax_t size) {
  return "not a settings file (size " + std::to_string(size) + " bytes; expected " +
         std::to_string(kImageSizeModel0) + " or " + std::to_string(kImageSizeModel1) + ")";
}

// Opens a fresh file next to `path` that no one else holds.
int CreateTemporaryBeside(const std::string& path, std::string& name) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = path + ".tmp." + std::to_string(getpid()) + "." + std::to_string(counter++);
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

bool WriteAll(int fd, const uint8_t* data, size_t size) {
  while (size > 0) {
    const ssize_t written = write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

}  // namespace

template <class Bytes>
bool ReadWholeFile(const std::string& path, size_t limit, Bytes& bytes, std::string& error) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec || !std::filesystem::exists(status)) {
    error = "cannot open (no such file)";
    return false;
  }
  if (!std::filesystem::is_regular_file(status)) {
    error = "not a regular file";
    return false;
  }
  const uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) {
    error = "cannot read its size (" + ec.message() + ")";
    return false;
  }
  if (size > limit) {
    error = "file too large (" + std::to_string(size) + " bytes)";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = SystemError("cannot open");
    return false;
  }
  bytes.assign(static_cast<size_t>(size), {});
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
  // A file that changed size while we read it is not trusted.
  if (static_cast<uintmax_t>(in.gcount()) != size ||
      in.peek() != std::ifstream::traits_type::eof()) {
    error = "the file changed while it was read";
    return false;
  }
  return true;
}

template bool ReadWholeFile(const std::string&, size_t, std::vector<uint8_t>&, std::string&);
template bool ReadWholeFile(const std::string&, size_t, std::string&, std::string&);

bool WriteFileReplacing(const std::string& path, const std::vector<uint8_t>& bytes,
                        std::string& error) {
  std::string temporary;
  const int fd = CreateTemporaryBeside(path, temporary);
  if (fd < 0) {
    error = SystemError("cannot create a file beside it");
    return false;
  }
  bool written = WriteAll(fd, bytes.data(), bytes.size()) && fsync(fd) == 0;
  int failure = errno;
  if (close(fd) != 0 && written) {
    written = false;
    failure = errno;
  }
  if (!written) {
    errno = failure;
    error = SystemError("cannot write");
    std::remove(temporary.c_str());
    return false;
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    error = SystemError("cannot replace");
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

bool LoadSettingsFile(const std::string& path, SettingsDatabase& db, std::string& error) {
  std::error_code ec;
  const uintmax_t size = std::filesystem::file_size(path, ec);
  if (!ec && ModelForImageSize(static_cast<size_t>(size)) == kModelNone) {
    error = NotASettingsFile(size);
    return false;
  }
  std::vector<uint8_t> image;
  if (!ReadWholeFile(path, kImageSizeModel1, image, error)) return false;
  const ReceiverModel model = ModelForImageSize(image.size());
  if (model == kModelNone) {
    error = NotASettingsFile(image.size());
    return false;
  }
  db.ResetToDefaults(model, false);
  if (!db.LoadImage(image)) {
    error = "the settings could not be decoded";
    return false;
  }
  return true;
}

bool SaveSettingsFile(const std::string& path, SettingsDatabase& db, std::string& error) {
  std::vector<uint8_t> image;
  if (!db.GetSettings(image)) {
    error = "the database has no receiver model to save";
    return false;
  }
  return WriteFileReplacing(path, image, error);
}

}  // namespace vq::tool
