#pragma once
// A bare pseudo-terminal pair: the test plays the receiver on the master.

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace vq::serial::testing {

class PtyPair {
 public:
  PtyPair() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    char name[128];
    if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0 &&
        ::ptsname_r(master_, name, sizeof name) == 0)
      path_ = name;
  }
  ~PtyPair() { CloseMaster(); }
  /// Hangs up the receiver's end.
  void CloseMaster() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }
  const std::string& Path() const { return path_; }
  int Master() const { return master_; }

  /// Whatever the PC side writes until `count` bytes arrived, waiting at
  /// most `ms` for each piece (generous: it only ends a failed test).
  std::vector<uint8_t> ReadMaster(size_t count, int ms = 20000) {
    std::vector<uint8_t> bytes;
    while (bytes.size() < count) {
      pollfd in = {master_, POLLIN, 0};
      if (::poll(&in, 1, ms) <= 0) break;
      uint8_t buffer[256];
      const ssize_t n = ::read(master_, buffer, sizeof buffer);
      if (n <= 0) break;
      bytes.insert(bytes.end(), buffer, buffer + n);
    }
    return bytes;
  }

 private:
  int master_ = -1;
  std::string path_;
};

}  // namespace vq::serial::testing
