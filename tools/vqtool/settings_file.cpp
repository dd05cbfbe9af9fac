#include "vqtool/settings_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "document/file_replace.h"
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
  const ReplaceResult result = ReplaceFile(path, bytes);
  if (result.done) return true;
  if (result.reason == kReplaceDenied)
    error = "cannot replace it (it is read-only, or an editor holds it open)";
  else if (result.reason == kReplaceNotRegular)
    error = "not a regular file";
  else if (result.reason == kReplaceForeignLink)
    error = "a link another user made in a folder open to everyone; not followed";
  else
    error = "cannot write (" + result.reason + ")";
  return false;
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
