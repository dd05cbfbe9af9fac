#pragma once
// Settings images, scratch files and a bounded wait for the USB tests.

#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <mutex>
#include <string>
#include <thread>
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

inline void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// Fault switches set by `edit` on a healthy receiver's.
template <class Edit>
usb::EmulatedFaults Faults(Edit edit) {
  usb::EmulatedFaults faults;
  edit(faults);
  return faults;
}

// Waits until `done` holds, looking every millisecond, for at most
// `limit` (generous: it only ends a test that has already failed).
template <class Done>
bool Eventually(Done done, std::chrono::milliseconds limit = std::chrono::seconds(20)) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

// Records the arrivals (true) and removals (false) a bus reports.
class HotplugLog {
 public:
  explicit HotplugLog(usb::UsbBus& bus) : bus_(bus) {
    bus_.SetHotplugHandler([this](bool arrived) {
      std::lock_guard guard(mutex_);
      events_.push_back(arrived);
    });
  }
  ~HotplugLog() { bus_.SetHotplugHandler(nullptr); }
  std::vector<bool> Events() {
    std::lock_guard guard(mutex_);
    return events_;
  }

 private:
  usb::UsbBus& bus_;
  std::mutex mutex_;
  std::vector<bool> events_;
};

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
