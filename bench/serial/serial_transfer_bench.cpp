// Times one whole serial download or upload against the emulated receiver,
// held to a line rate. The receiver runs as a child process (vqserialemu),
// so this process's CPU time is the editor's side alone. The time is set
// against the line-rate bound (image bytes x 10 bits / rate) and against
// that bound plus the protocol's own fixed pauses, which are counted as the
// engine asks for them.
// usage: serial_transfer_bench download|upload IMAGE [BITS_PER_SECOND] [--split-acks]

#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "link/serial/headless_transfer.h"

extern char** environ;

namespace {

using namespace vq::serial;

double Now() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

double CpuSeconds(int who) {
  rusage usage{};
  getrusage(who, &usage);
  const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The emulator as a child process; it prints the pseudo-terminal to open.
class Emulator {
 public:
  explicit Emulator(const std::vector<std::string>& arguments) {
    int out[2];
    if (pipe(out) != 0) throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char*> argv;
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const int failed = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    char c;
    while (!failed && read(out[0], &c, 1) == 1 && c != '\n') device_ += c;
    close(out[0]);
    if (failed || device_.empty()) throw std::runtime_error("the emulator did not start");
  }
  ~Emulator() { Stop(); }
  const std::string& Device() const { return device_; }
  /// Ends the child; its CPU seconds.
  double Stop() {
    if (pid_ <= 0) return 0;
    kill(pid_, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid_, &status, 0, &usage);
    pid_ = -1;
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
  }

 private:
  pid_t pid_ = -1;
  std::string device_;
};

}  // namespace

int main(int argc, char** argv) try {
  if (argc < 3) {
    std::fprintf(stderr, "usage: serial_transfer_bench download|upload IMAGE [BITS_PER_SECOND]"
                         " [--split-acks]\n");
    return 2;
  }
  const bool download = std::strcmp(argv[1], "download") == 0;
  const std::string imagePath = argv[2];
  const uint32_t rate = argc > 3 ? std::stoul(argv[3]) : 115200;
  const bool split = argc > 4 && std::strcmp(argv[4], "--split-acks") == 0;
  const std::vector<uint8_t> image = ReadFile(imagePath);

  const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                    ("serial_transfer_bench." + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::string local = (dir / "local.bin").string();
  const std::string saved = (dir / "saved.bin").string();
  std::vector<uint8_t> sent = image;
  if (!download) {
    for (uint8_t& b : sent) b ^= 0x5A;  // so the receiver is seen to take it
    std::ofstream(local, std::ios::binary)
        .write(reinterpret_cast<const char*>(sent.data()), std::streamsize(sent.size()));
  }
  std::vector<std::string> arguments = {VQ_SERIAL_EMULATOR, "--image", imagePath, "--throttle",
                                        std::to_string(rate), "--save-upload", saved};
  if (split) arguments.push_back("--split-acks");
  Emulator emulator(arguments);

  HeadlessOptions options;
  options.line.device = emulator.Device();
  options.line.bitsPerSecond = rate;
  std::map<int, int> waits;  // pause length in ms -> times asked for
  options.wait = [&](int ms) {
    ++waits[ms];
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  };
  double firstBlock = 0, lastBlock = 0;
  options.onProgress = [&](int, uint32_t) { (firstBlock ? lastBlock : firstBlock) = Now(); };

  const double cpu = CpuSeconds(RUSAGE_SELF);
  const double start = Now();
  const HeadlessResult result =
      RunHeadlessTransfer(download ? Direction::kDownload : Direction::kUpload, local, options);
  const double wall = Now() - start;
  const double editorCpu = CpuSeconds(RUSAGE_SELF) - cpu;

  bool intact = false;
  if (download) {
    intact = ReadFile(local) == image;
  } else {
    for (int i = 0; i < 40 && !intact; ++i) {  // the emulator saves it within 50 ms
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      intact = ReadFile(saved) == sent;
    }
  }
  const double emulatorCpu = emulator.Stop();
  std::filesystem::remove_all(dir);

  const double line = double(image.size()) * 10 / rate;
  double pauses = 0;
  for (const auto& [ms, count] : waits) pauses += ms * count * 1e-3;
  std::printf("%s%s, %zu bytes at %u bit/s: %s (%s), data %s\n", argv[1],
              split ? " (split acks)" : "", image.size(), rate, result.success ? "ok" : "FAILED",
              result.status.c_str(), intact ? "intact" : "DIFFERS");
  std::printf("  wall %.2f s | first to last block %.2f s | line bound %.2f s | "
              "bound/wall %.3f | bound/(first to last block) %.3f\n",
              wall, lastBlock - firstBlock, line, line / wall, line / (lastBlock - firstBlock));
  std::printf("  fixed pauses asked:");
  for (const auto& [ms, count] : waits) std::printf(" %d x %d ms", count, ms);
  std::printf(" = %.2f s | line + pauses %.2f s | (line + pauses)/wall %.3f\n", pauses,
              line + pauses, (line + pauses) / wall);
  std::printf("  CPU (user+system): editor side %.2f s, emulator %.2f s\n", editorCpu,
              emulatorCpu);
  return result.success && intact ? 0 : 1;
} catch (const std::exception& error) {
  std::fprintf(stderr, "serial_transfer_bench: %s\n", error.what());
  return 1;
}
