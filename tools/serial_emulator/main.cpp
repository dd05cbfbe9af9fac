// vqserialemu: an emulated receiver on a pseudo-terminal. Prints the device
// path to open, then serves downloads and accepts uploads until stopped.
#include <csignal>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

#include "image/image_layout.h"
#include "serial_emulator/serial_emulator.h"

namespace {

// A signal handler can only set a global flag.
volatile std::sig_atomic_t stopRequested = 0;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

constexpr char kUsage[] =
    "usage: vqserialemu --image FILE [--save-upload FILE] [--throttle BPS]\n"
    "  [--product TEXT] [--version TEXT] [--bad-blocks N,N..] [--retry-blocks N,N..]\n"
    "  [--error-block N [--error-byte FE|F0]] [--silent] [--repeat-identification]\n"
    "  [--split-identification] [--split-acks]\n";

std::set<uint32_t> ParseList(const std::string& text) {
  std::set<uint32_t> values;
  std::stringstream stream(text);
  for (std::string item; std::getline(stream, item, ',');) values.insert(std::stoul(item));
  return values;
}

}  // namespace

int main(int argc, char** argv) try {
  vq::serial::emulator::ReceiverOptions options;
  std::string saveUpload;
  uint32_t throttle = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--image" && hasValue) {
      // At most one byte more than the largest image: enough to refuse a
      // larger file, and a device such as /dev/zero never ends.
      std::ifstream file(argv[++i], std::ios::binary);
      options.image.resize(vq::kImageSizeModel1 + 1);
      file.read(reinterpret_cast<char*>(options.image.data()),
                static_cast<std::streamsize>(options.image.size()));
      options.image.resize(static_cast<size_t>(file.gcount()));
    } else if (arg == "--save-upload" && hasValue) { saveUpload = argv[++i];
    } else if (arg == "--throttle" && hasValue) { throttle = std::stoul(argv[++i]);
    } else if (arg == "--product" && hasValue) { options.product = argv[++i];
    } else if (arg == "--version" && hasValue) { options.version = argv[++i];
    } else if (arg == "--bad-blocks" && hasValue) { options.badBlocks = ParseList(argv[++i]);
    } else if (arg == "--retry-blocks" && hasValue) { options.retryBlocks = ParseList(argv[++i]);
    } else if (arg == "--error-block" && hasValue) { options.errorBlock = std::stoi(argv[++i]);
    } else if (arg == "--error-byte" && hasValue) {
      options.errorByte = static_cast<uint8_t>(std::stoul(argv[++i], nullptr, 16));
    } else if (arg == "--silent") { options.silent = true;
    } else if (arg == "--repeat-identification") { options.repeatIdentification = true;
    } else if (arg == "--split-identification") { options.splitIdentification = true;
    } else if (arg == "--split-acks") { options.splitAcks = true;
    } else {
      std::cerr << kUsage;
      return 2;
    }
  }
  if (options.image.empty() || options.image.size() > vq::kImageSizeModel1) {
    std::cerr << "vqserialemu: no image to serve\n" << kUsage;
    return 2;
  }
  vq::serial::emulator::SerialEmulator emulator(options, throttle);
  if (!emulator.Start()) {
    std::cerr << "vqserialemu: no pseudo-terminal available\n";
    return 1;
  }
  std::cout << emulator.DevicePath() << std::endl;
  std::signal(SIGINT, [](int) { stopRequested = 1; });
  std::signal(SIGTERM, [](int) { stopRequested = 1; });
  int saved = 0;
  while (!stopRequested) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    if (saveUpload.empty() || emulator.CompletedUploads() == saved) continue;
    saved = emulator.CompletedUploads();
    const std::vector<uint8_t> image = emulator.ReceivedImage();
    std::ofstream(saveUpload, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()), static_cast<long>(image.size()));
    std::cerr << "vqserialemu: upload of " << image.size() << " bytes saved\n";
  }
  return 0;
} catch (const std::exception& error) {
  std::cerr << "vqserialemu: bad option value (" << error.what() << ")\n" << kUsage;
  return 2;
}
