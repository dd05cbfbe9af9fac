// Times File > "Compare with file..." through the real window, offscreen, on
// two full PVR files (8192 channels on 1500 transponders each; the second
// with 800 channels renamed, re-tuned or moved and 200 replaced by other
// services): the comparison alone, and taking over every difference
// including the refresh of the lists. The review is answered at once with
// every difference, so what is timed is the command.

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <numeric>
#include <random>
#include <vector>

#include "compare/database_comparison.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "support/full_database.h"
#include "ui/app/commands/compare_command.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/view/channel_list_model.h"
#include "ui/view/vq_channel_editor_view.h"

#include "window_bench_support.h"

namespace {

using vq::bench::Median;

// Every channel its own service id and name, transponders spread as in a
// real list.
std::unique_ptr<vq::SettingsDatabase> MakeRealisticFullDatabase() {
  auto db = vq::test::MakeFullDatabase(vq::kModelPvr);
  std::vector<vq::TransponderNode*> transponders;
  db->CollectTransponders(transponders, -1);
  for (size_t i = 0; i < transponders.size(); ++i) {
    vq::TransponderRecord r = transponders[i]->Record();
    r.SetFrequency(static_cast<uint16_t>(10700 + (i / vq::kSatelliteCount) * 37 % 2000));
    r.SetPolarization(1 + i % 2);
  }
  std::vector<vq::ChannelNode*> channels;
  db->CollectChannels(channels, vq::kAllTypes, vq::kFilterNone);
  for (size_t i = 0; i < channels.size(); ++i) {
    vq::ChannelRecord r = channels[i]->Record();
    r.SetProgramId(static_cast<uint16_t>(1000 + i));
    r.SetName("Channel " + std::to_string(i));
  }
  return db;
}

void Mutate(vq::SettingsDatabase& db) {
  std::mt19937 rng(29);
  std::vector<vq::ChannelNode*> channels;
  db.CollectChannels(channels, vq::kTv, vq::kFilterNone);
  for (int i = 0; i < 1000; ++i) {
    vq::ChannelNode* c = channels[rng() % channels.size()];
    switch (i % 4) {
      case 0:
        c->Record().SetName("Renamed " + std::to_string(i));
        break;
      case 1:
        c->Record().SetVideoPid(static_cast<uint16_t>(rng() % 8000));
        break;
      case 2:
        db.MoveChannelNumber(c, static_cast<int>(rng() % channels.size()));
        break;
      default:  // another service in the slot: one removed, one new
        c->Record().SetProgramId(static_cast<uint16_t>(30000 + i));
        c->Record().SetName("Other " + std::to_string(i));
    }
  }
}

// Chooses the second file and takes over every difference; starts the
// clock of the take-over as the review ends.
class TakeAllDialogs : public vq::CompareDialogs {
 public:
  QString ChooseFile() override { return file; }
  std::optional<std::vector<size_t>> Review(const vq::DatabaseComparison& comparison,
                                            const QString&) override {
    differences = comparison.differences.size();
    std::vector<size_t> all(differences);
    std::iota(all.begin(), all.end(), 0);
    takeOver.start();
    return all;
  }
  void Tell(const QString&) override {}

  QString file;
  size_t differences = 0;
  QElapsedTimer takeOver;
};

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  QTemporaryDir dir;
  const QString a = dir.filePath("a.bin"), b = dir.filePath("b.bin");
  auto other = MakeRealisticFullDatabase();
  Mutate(*other);
  if (!vq::bench::WriteSettingsFile(*MakeRealisticFullDatabase(), a) ||
      !vq::bench::WriteSettingsFile(*other, b))
    return 1;
  // What the command compares with is the file as read back.
  other = vq::test::MakeDatabase(vq::kModelPvr);
  {
    QFile file(b);
    if (!file.open(QIODevice::ReadOnly)) return 1;
    const QByteArray bytes = file.readAll();
    if (!other->LoadImage(std::span(reinterpret_cast<const uint8_t*>(bytes.data()),
                                    static_cast<size_t>(bytes.size()))))
      return 1;
  }

  vq::EditorApplication app;
  if (!app.Start({"vqchanneleditor", "--profile", dir.filePath("bench.ini"), a})) return 1;
  vq::CVQChannelEditorDoc& doc = *app.Document();
  vq::CMainFrame& frame = *app.Frame();
  TakeAllDialogs dialogs;
  dialogs.file = b;
  frame.AttachCompareCommands(dialogs);

  std::vector<double> compare, apply;
  size_t differences = 0;
  for (int run = 0; run < 9; ++run) {
    compare.push_back(vq::bench::Millis([&] {
      const vq::DatabaseComparison c = vq::CompareDatabases(doc.Database(), *other);
      differences = c.differences.size();
    }));
  }
  for (int run = 0; run < 9; ++run) {
    doc.SetModifiedFlag(false);
    doc.NewDocument();
    doc.OpenDocument(a);
    QApplication::processEvents();
    frame.Compare()->CompareWith(*other, QStringLiteral("b.bin"));
    QApplication::processEvents();
    apply.push_back(static_cast<double>(dialogs.takeOver.nsecsElapsed()) / 1e6);
  }
  const size_t left = vq::CompareDatabases(doc.Database(), *other).differences.size();
  std::printf("Compare two full PVR files (%zu differences): %8.1f ms median\n", differences,
              Median(compare));
  std::printf("Take over all, lists refreshed (%zu left):     %8.1f ms median\n", left,
              Median(apply));
  return 0;
}
