// Runs whole USB receiver commands (File > Open from USB and Save to USB)
// through the editor's command objects and transfer dialog, offscreen, while
// a 5 ms timer on the user interface thread records the longest gap between
// its ticks, from the moment the command is triggered until it returns. That
// gap is the longest the window could not paint or take input: the drain,
// the command sequence and the transfer run on the worker, the decoding and
// encoding of the settings on this thread. A byte rate holds the emulated
// receiver to the pace of a real bus; 0 runs it flat out. IMAGE "full" is a
// full PVR database (8192 channels, 1500 transponders), "full-fta" the same
// switched to FTA/CI (4096 channels), which Save to USB switches back and
// forth to encode it.
// usage: usb_dialog_bench IMAGE|full|full-fta [RUNS] [BYTES_PER_SECOND]

#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench_support.h"
#include "document/qt/usb_receiver_commands.h"
#include "metered_bus.h"
#include "support/full_database.h"
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

// Nothing is asked in these runs; any message ends the run as a failure.
class FailingPrompter : public DocumentPrompter {
 public:
  void Tell(const QString& text, Icon) override { throw std::runtime_error(text.toStdString()); }
  bool AskYesNo(const QString&) override { return false; }
  Answer AskYesNoCancel(const QString&) override { return Answer::kNo; }
  QString AskSavePath(const QString&) override { return {}; }
};

struct Sample {
  double command = 0;
  double maxGap = 0;
};

template <class Command>
Sample Measure(GapMeter& meter, Command command) {
  Sample sample;
  const double start = bench::WallSeconds();
  meter.Start();
  const bool ok = command();
  meter.Stop();
  sample.command = bench::WallSeconds() - start;
  sample.maxGap = meter.MaxGap();
  if (!ok) throw std::runtime_error("the command failed");
  return sample;
}

void Print(const char* name, const std::vector<Sample>& samples) {
  std::vector<double> gaps, commands;
  for (const Sample& s : samples) {
    gaps.push_back(s.maxGap * 1e3);
    commands.push_back(s.command * 1e3);
  }
  std::printf(
      "%-14s whole command %8.1f ms (median) | longest tick gap: median %6.2f ms,"
      " worst %6.2f ms\n",
      name, bench::Median(commands), bench::Median(gaps),
      *std::max_element(gaps.begin(), gaps.end()));
}

}  // namespace

int main(int argc, char** argv) try {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: usb_dialog_bench IMAGE|full|full-fta [RUNS] [BYTES_PER_SECOND]\n");
    return 2;
  }
  std::vector<uint8_t> image;
  const std::string source = argv[1];
  if (source == "full" || source == "full-fta") {
    const auto db = test::MakeFullDatabase();
    if (source == "full-fta") db->ChangeModel(kModelFtaCi);
    if (!db->GetSettings(image)) throw std::runtime_error("no full image");
  } else {
    image = bench::ReadFile(argv[1]);
  }
  const int runs = argc > 2 ? std::stoi(argv[2]) : 5;
  const double rate = argc > 3 ? std::stod(argv[3]) : 0;
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("usb_dialog_bench." + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::string opened = (dir / "opened.bin").string();
  bench::WriteFile(opened, image);

  FailingPrompter prompter;
  CVQChannelEditorDoc document(prompter, [] { return 0; });
  if (!document.OpenDocument(QString::fromStdString(opened)))
    throw std::runtime_error("the image does not open");
  GapMeter meter;
  std::vector<Sample> downloads, uploads;
  for (int i = 0; i < runs; ++i) {
    usb::EmulatedReceiver receiver(bench::Flipped(image), usb::Milliseconds(3600 * 1000));
    bench::MeteredBus bus(receiver, rate);
    usb::UsbDevice device(bus);
    if (!device.Attach()) throw std::runtime_error("attach failed");
    DialogTransferRunner runner(nullptr);
    UsbReceiverCommands commands(document, prompter, device, runner);
    commands.SetTemporaryDirectory(dir.string());
    uploads.push_back(Measure(meter, [&] { return commands.SaveToUsb(); }));
    if (receiver.Image().size() != 827392) throw std::runtime_error("no PVR image was sent");
    downloads.push_back(Measure(meter, [&] { return commands.OpenFromUsb(); }));
  }
  document.CloseDocument();
  std::filesystem::remove_all(dir);
  std::printf("%s: %zu-byte settings file, %d runs, bus pace %s\n", source.c_str(), image.size(),
              runs, rate > 0 ? (std::to_string(rate / 1e6) + " MB/s").c_str() : "unlimited");
  Print("Save to USB", uploads);
  Print("Open from USB", downloads);
  return 0;
} catch (const std::exception& error) {
  std::fprintf(stderr, "usb_dialog_bench: %s\n", error.what());
  return 1;
}
