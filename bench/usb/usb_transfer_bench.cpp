// Times USB image downloads and uploads through the emulated receiver, on a
// worker thread as the editor runs them. Per transfer: wall time, the
// worker's CPU time (RUSAGE_THREAD), the emulator's share of it (the
// receiver runs on the caller's thread) and the editor's side (the
// difference), plus the command sequence before it. Prints medians.
// usage: usb_transfer_bench IMAGE [RUNS]

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "bench_support.h"
#include "link/usb/usb_image_transfer.h"
#include "link/usb/usb_receiver_session.h"
#include "metered_bus.h"

namespace {

using namespace vq;

struct Sample {
  double session = 0;      // command sequence before the transfer, wall
  double wall = 0;
  double workerCpu = 0;
  double emulatorCpu = 0;
  double processCpu = 0;
  int reports = 0;
};

void TimeTransfer(bool download, usb::UsbDevice& device, bench::MeteredBus& bus,
                  const std::string& path, uint32_t size, Sample& sample) {
  bool ok = false;
  std::thread worker([&] {
    const std::atomic<bool> stop{false};
    const usb::TransferProgress progress = [&](const std::string&, int) { ++sample.reports; };
    const double cpu = bench::CpuSeconds(RUSAGE_THREAD);
    const double process = bench::CpuSeconds(RUSAGE_SELF);
    const double emulator = bus.EmulatorCpu();
    const double start = bench::WallSeconds();
    ok = (download
              ? usb::DownloadImage(device, path, size, stop, progress)
              : usb::UploadImage(device, path, size, stop, progress)) == usb::TransferEnd::kMoved;
    sample.wall = bench::WallSeconds() - start;
    sample.workerCpu = bench::CpuSeconds(RUSAGE_THREAD) - cpu;
    sample.processCpu = bench::CpuSeconds(RUSAGE_SELF) - process;
    sample.emulatorCpu = bus.EmulatorCpu() - emulator;
  });
  worker.join();
  if (!ok) throw std::runtime_error(download ? "download failed" : "upload failed");
}

// One download of `image` and one upload of its flipped copy, on a fresh
// receiver that does not restart during the run.
void RunOnce(const std::vector<uint8_t>& image, const std::filesystem::path& dir,
             Sample& down, Sample& up) {
  usb::EmulatedReceiver receiver(image, usb::Milliseconds(3600 * 1000));
  bench::MeteredBus bus(receiver);
  usb::UsbDevice device(bus);
  if (!device.Attach()) throw std::runtime_error("attach failed");
  const auto size = static_cast<uint32_t>(image.size());

  const std::string received = (dir / "received.bin").string();
  bench::WriteFile(received, {});
  double start = bench::WallSeconds();
  if (!usb::StartUsbRead(device).ready) throw std::runtime_error("read not announced");
  down.session = bench::WallSeconds() - start;
  TimeTransfer(true, device, bus, received, size, down);
  if (bench::ReadFile(received) != image) throw std::runtime_error("download differs");

  const std::vector<uint8_t> flipped = bench::Flipped(image);
  const std::string sent = (dir / "sent.bin").string();
  bench::WriteFile(sent, flipped);
  start = bench::WallSeconds();
  if (!usb::StartUsbWrite(device, size).ready) throw std::runtime_error("write not announced");
  up.session = bench::WallSeconds() - start;
  TimeTransfer(false, device, bus, sent, size, up);
  if (receiver.Image() != flipped) throw std::runtime_error("upload differs");
  device.Detach();
}

void Print(const char* name, const std::vector<Sample>& samples, size_t bytes) {
  const auto median = [&](double Sample::*field) {
    std::vector<double> values;
    for (const Sample& s : samples) values.push_back(s.*field);
    return bench::Median(values) * 1e3;
  };
  std::vector<double> editor;
  for (const Sample& s : samples) editor.push_back(s.workerCpu - s.emulatorCpu);
  const double wall = median(&Sample::wall);
  std::printf("%-8s session %7.1f ms | transfer wall %7.3f ms (%7.1f MB/s) | worker CPU %7.3f ms"
              " | emulator share %7.3f ms | editor CPU %7.3f ms | process CPU %7.3f ms"
              " | %d status reports\n",
              name, median(&Sample::session), wall, double(bytes) / wall * 1e-3,
              median(&Sample::workerCpu), median(&Sample::emulatorCpu),
              bench::Median(editor) * 1e3, median(&Sample::processCpu), samples.front().reports);
}

}  // namespace

int main(int argc, char** argv) try {
  if (argc < 2) {
    std::fprintf(stderr, "usage: usb_transfer_bench IMAGE [RUNS]\n");
    return 2;
  }
  const std::vector<uint8_t> image = bench::ReadFile(argv[1]);
  const int runs = argc > 2 ? std::stoi(argv[2]) : 9;
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("usb_transfer_bench." + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  std::vector<Sample> downloads(runs), uploads(runs);
  for (int i = 0; i < runs; ++i) RunOnce(image, dir, downloads[i], uploads[i]);
  std::filesystem::remove_all(dir);
  std::printf("%zu-byte image, median of %d runs (CPU: user+system)\n", image.size(), runs);
  Print("download", downloads, image.size());
  Print("upload", uploads, image.size());
  return 0;
} catch (const std::exception& error) {
  std::fprintf(stderr, "usb_transfer_bench: %s\n", error.what());
  return 1;
}
