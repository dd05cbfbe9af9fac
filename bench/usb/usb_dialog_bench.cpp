// Runs USB transfers through the editor's transfer dialog, offscreen, while
// a 5 ms timer on the user interface thread records the longest gap between
// its ticks (from just before the dialog opens to just after it closes).
// A byte rate holds the emulated receiver to the pace of a real bus, so the
// dialog stays up long enough to matter; 0 runs it flat out.
// usage: usb_dialog_bench IMAGE [RUNS] [BYTES_PER_SECOND]

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include <unistd.h>

#include "bench_support.h"
#include "link/usb/usb_receiver_session.h"
#include "metered_bus.h"
#include "ui/dialogs/usb_transfer_dialog.h"

namespace {

using namespace vq;

// Longest gap between ticks of a 5 ms timer on the calling thread.
class GapMeter {
 public:
  GapMeter() {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
  }
  void Start() {
    maxGap_ = 0;
    ticks_ = 0;
    last_ = bench::WallSeconds();
    timer_.start();
  }
  void Stop() {
    Tick();
    timer_.stop();
  }
  double MaxGap() const { return maxGap_; }
  int Ticks() const { return ticks_; }

 private:
  void Tick() {
    const double now = bench::WallSeconds();
    maxGap_ = std::max(maxGap_, now - last_);
    last_ = now;
    ++ticks_;
  }

  QTimer timer_;
  double last_ = 0;
  double maxGap_ = 0;
  int ticks_ = 0;
};

struct Sample {
  double session = 0;  // command sequence, run on this thread before the dialog
  double dialog = 0;
  double maxGap = 0;
  int ticks = 0;
};

Sample RunDialog(bool download, usb::UsbDevice& device, const std::string& path, uint32_t size,
                 GapMeter& meter) {
  Sample sample;
  double start = bench::WallSeconds();
  const usb::UsbSessionStart session =
      download ? usb::StartUsbRead(device) : usb::StartUsbWrite(device, size);
  sample.session = bench::WallSeconds() - start;
  if (!session.ready) throw std::runtime_error("transfer not announced");
  DialogTransferRunner runner(nullptr);
  start = bench::WallSeconds();
  meter.Start();
  const bool ok =
      runner.Run(download, device, path, size, QString::fromStdString(session.information));
  meter.Stop();
  sample.dialog = bench::WallSeconds() - start;
  sample.maxGap = meter.MaxGap();
  sample.ticks = meter.Ticks();
  if (!ok) throw std::runtime_error(download ? "download failed" : "upload failed");
  return sample;
}

void Print(const char* name, const std::vector<Sample>& samples) {
  std::vector<double> gaps, dialogs, sessions;
  for (const Sample& s : samples) {
    gaps.push_back(s.maxGap * 1e3);
    dialogs.push_back(s.dialog * 1e3);
    sessions.push_back(s.session * 1e3);
  }
  std::printf("%-8s dialog %8.1f ms (median) | max tick gap: median %6.2f ms, worst %6.2f ms"
              " | ticks %d | command sequence before it (blocks this thread) %6.1f ms\n",
              name, bench::Median(dialogs), bench::Median(gaps),
              *std::max_element(gaps.begin(), gaps.end()), samples.front().ticks,
              bench::Median(sessions));
}

}  // namespace

int main(int argc, char** argv) try {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: usb_dialog_bench IMAGE [RUNS] [BYTES_PER_SECOND]\n");
    return 2;
  }
  const std::vector<uint8_t> image = bench::ReadFile(argv[1]);
  const int runs = argc > 2 ? std::stoi(argv[2]) : 5;
  const double rate = argc > 3 ? std::stod(argv[3]) : 0;
  const auto size = static_cast<uint32_t>(image.size());
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("usb_dialog_bench." + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::string received = (dir / "received.bin").string();
  const std::string sent = (dir / "sent.bin").string();
  bench::WriteFile(sent, bench::Flipped(image));

  GapMeter meter;
  std::vector<Sample> downloads, uploads;
  for (int i = 0; i < runs; ++i) {
    usb::EmulatedReceiver receiver(image, usb::Milliseconds(3600 * 1000));
    bench::MeteredBus bus(receiver, rate);
    usb::UsbDevice device(bus);
    if (!device.Attach()) throw std::runtime_error("attach failed");
    bench::WriteFile(received, {});
    downloads.push_back(RunDialog(true, device, received, size, meter));
    if (bench::ReadFile(received) != image) throw std::runtime_error("download differs");
    uploads.push_back(RunDialog(false, device, sent, size, meter));
    if (receiver.Image() != bench::ReadFile(sent)) throw std::runtime_error("upload differs");
  }
  std::filesystem::remove_all(dir);
  std::printf("%u-byte image through the transfer dialog, %d runs, bus pace %s\n", size, runs,
              rate > 0 ? (std::to_string(rate / 1e6) + " MB/s").c_str() : "unlimited");
  Print("download", downloads);
  Print("upload", uploads);
  return 0;
} catch (const std::exception& error) {
  std::fprintf(stderr, "usb_dialog_bench: %s\n", error.what());
  return 1;
}
