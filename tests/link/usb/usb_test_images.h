#pragma once
// Settings images and scratch files for the USB tests.

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "link/usb/emulated_receiver.h"
#include "support/database_builder.h"

namespace vq::test {

// A valid image of `model` with a few channels, so round trips carry content.
inline std::vector<uint8_t> MakeImage(int32_t model) {
  auto db = MakeDatabase(model);
  const auto transponders = AddTransponders(*db, 0, 2);
  AddChannels(*db, transponders.front(), 0, 5);
  std::vector<uint8_t> image;
  db->GetSettings(image);
  return image;
}

inline std::vector<uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
}

// Fault switches set by `edit` on a healthy receiver's.
template <class Edit>
usb::EmulatedFaults Faults(Edit edit) {
  usb::EmulatedFaults faults;
  edit(faults);
  return faults;
}

// An empty file that goes with the object.
class ScratchFile {
 public:
  ScratchFile() {
    char pattern[] = "/tmp/vq-usb-testXXXXXX";
    const int fd = ::mkstemp(pattern);
    if (fd >= 0) ::close(fd);
    path_ = pattern;
  }
  ~ScratchFile() { ::unlink(path_.c_str()); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace vq::test
