// Times the tidy-ups through the real window, offscreen, on a full PVR
// file of 8192 TV channels (2000 of them a second copy of another service,
// names at random), each including the refresh of the lists: removing the
// 2000 duplicates, and sorting all 8192 channels by name. The dialogs are
// answered at once, so what is timed is the command.

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

#include "document/qt/vq_channel_editor_doc.h"
#include "support/random_database.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/app/commands/tidy_dialogs.h"
#include "ui/app/commands/tidy_menu_commands.h"
#include "ui/view/channel_list_model.h"
#include "ui/view/vq_channel_editor_view.h"

#include "window_bench_support.h"

namespace {

using vq::bench::Median;

// Removes every group's others (the default rule); sorts the whole list by name.
class AcceptingDialogs : public vq::TidyDialogs {
 public:
  std::optional<std::vector<vq::DedupeChoice>> ReviewDuplicates(const Finder& find) override {
    return vq::ChooseMembers(find(false), vq::KeepRule::kFavorites);
  }
  std::optional<vq::SortRequest> AskSort(int, int) override {
    return vq::SortRequest{{vq::SortKey::kName, descending, -1}, false};
  }
  std::optional<int> AskNumber(int, int) override { return std::nullopt; }
  std::optional<vq::RenameRequest> AskRename(const Planner&, int) override { return std::nullopt; }
  void Tell(const QString&) override {}

  bool descending = false;
};

bool WriteFile(const QString& path) {
  auto db = vq::test::MakeDatabase(vq::kModelPvr);
  const auto transponders = vq::bench::AddAllTransponders(*db);
  for (vq::TransponderNode* t : transponders) t->Record().SetTpId(1);
  std::vector<vq::ChannelNode*> channels =
      vq::bench::AddAllTvChannels(*db, transponders, transponders.size());
  std::mt19937 rng(1);
  for (vq::ChannelNode* c : channels) {
    c->Record().SetName(vq::test::RandomName(rng, 16));
    c->Record().SetProgramId(static_cast<uint16_t>(c->GetTableIndex() + 1));
  }
  for (size_t k = 0; k < 2000; ++k)
    channels[2 * k + 1]->Record().SetProgramId(channels[2 * k]->Record().GetProgramId());
  for (int s = 0; s < vq::kSatelliteCount; ++s)
    db->GetSatelliteNode(s)->Satellite().SetPosition(192);
  return vq::bench::WriteSettingsFile(*db, path);
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  QTemporaryDir dir;
  const QString file = dir.filePath("full.bin");
  if (!WriteFile(file)) return 1;

  vq::EditorApplication app;
  if (!app.Start({"vqchanneleditor", "--profile", dir.filePath("bench.ini")})) return 1;
  vq::CVQChannelEditorDoc& doc = *app.Document();
  vq::CMainFrame& frame = *app.Frame();
  AcceptingDialogs dialogs;
  frame.AttachTidyCommands(dialogs);
  vq::TidyMenuCommands& tidy = *frame.Tidy();

  auto time = [&](const std::function<void()>& command) {
    std::vector<double> runs;
    for (int run = 0; run < 9; ++run) {
      doc.SetModifiedFlag(false);
      doc.NewDocument();
      doc.OpenDocument(file);
      QApplication::processEvents();
      QElapsedTimer timer;
      timer.start();
      command();
      QApplication::processEvents();
      runs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
      dialogs.descending = !dialogs.descending;
    }
    return Median(runs);
  };
  const double remove = time([&] { tidy.FindDuplicates(); });
  const int left = frame.View()->Channels()->rowCount();
  const double sort = time([&] { tidy.Sort(); });
  std::printf("Find and remove 2000 duplicates of 8192: %8.1f ms median (%d rows left)\n", remove,
              left);
  std::printf("Sort 8192 channels by name:              %8.1f ms median\n", sort);
  return 0;
}
