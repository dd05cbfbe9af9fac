#include "window_session.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "../dialogs/modal_answer.h"
#include "support/database_builder.h"
#include "support/random_database.h"
#include "ui/app/frame/main_frame.h"
#include "ui/app/commands/message_prompter.h"
#include "ui/dialogs/select_record_dialog.h"
#include "ui/grid/property_grid.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq::test {

WindowSession::WindowSession(const QString& path, unsigned seed)
    : path_(path),
      rng_(seed),
      document_(
          documentPrompter_, [] { return 0; }, FixedClock) {
  frame_ = std::make_unique<CMainFrame>(document_, config_, recent_);
  dialogs_ = std::make_unique<DialogPrompter>(document_.Database(), kProgramTitle);
  dialogs_->SetParent(frame_.get());
  answers_ = std::make_unique<RandomPrompter>(
      document_.Database(), [this](int n) { return Pick(n); }, *dialogs_,
      [this] { AnswerNextSelectionDialog(); });
  View().SetPrompter(answers_.get());
  // The pane refuses typed values with a message the user reads and closes.
  View().Pane()->setMessageHandler([](const QString&, const QString&) {});
  const QString reference = listDir_.filePath("order.txt");
  QFile text(reference);
  if (text.open(QIODevice::WriteOnly)) text.write("1;arte\n2;ZDF\n3;Das Erste HD\n4;News 24\n");
  text.close();
  const QString samples(VQ_SAMPLE_DIR);
  listAnswers_ = std::make_unique<RandomListDialogs>(
      [this](int n) { return Pick(n); },
      QStringList{samples + "/mixed_channels.conf", samples + "/scan_table.conf", reference, path,
                  listDir_.filePath("export.conf"), listDir_.filePath("export.csv"),
                  listDir_.filePath("missing.conf")},
      listDir_.path());
  frame_->AttachInterchangeCommands(*listAnswers_);
  // Another settings file to compare with: a random database of this seed.
  const QString other = listDir_.filePath("other.bin");
  auto otherDb = MakeRandomDatabase(Pick(2) ? kModelPvr : kModelFtaCi, seed,
                                    {.transponders = 80, .channels = 400});
  std::vector<uint8_t> image;
  QFile otherFile(other);
  if (otherDb->GetSettings(image) && otherFile.open(QIODevice::WriteOnly))
    otherFile.write(reinterpret_cast<const char*>(image.data()),
                    static_cast<qint64>(image.size()));
  otherFile.close();
  compareAnswers_ = std::make_unique<RandomCompareDialogs>(
      [this](int n) { return Pick(n); },
      QStringList{other, path, listDir_.filePath("missing.bin")});
  frame_->AttachCompareCommands(*compareAnswers_);
  tidyAnswers_ = std::make_unique<RandomTidyDialogs>([this](int n) { return Pick(n); });
  frame_->AttachTidyCommands(*tidyAnswers_);
  frame_->resize(1280, 800);
  frame_->show();
  opened_ = QTest::qWaitForWindowExposed(frame_.get()) && document_.OpenDocument(path);
}

WindowSession::~WindowSession() {
  document_.SetModifiedFlag(false);
  frame_.reset();
}

CVQChannelEditorView& WindowSession::View() { return *frame_->View(); }

int WindowSession::Pick(int n) {
  return n <= 0 ? 0 : static_cast<int>(rng_() % static_cast<unsigned>(n));
}

std::vector<int> WindowSession::RandomRows(int count) {
  std::vector<int> rows;
  if (count <= 0 || Chance(8)) return rows;
  const int first = Pick(count);
  switch (Pick(3)) {
    case 0:
      rows.push_back(first);
      break;
    case 1:
      for (int r = first; r < count && r < first + 1 + Pick(60); ++r) rows.push_back(r);
      break;
    default:
      for (int extra = 1 + Pick(12); extra > 0; --extra) rows.push_back(Pick(count));
      break;
  }
  return rows;
}

RecordTableView* WindowSession::CurrentList() { return View().Page(View().CurrentTab())->List(); }

int WindowSession::VisibleRow(QAbstractItemView* list, int row) {
  const int count = list->model()->rowCount();
  if (count == 0) return -1;
  list->scrollTo(list->model()->index(std::clamp(row, 0, count - 1), 0));
  const QPoint centre =
      list->visualRect(list->model()->index(std::clamp(row, 0, count - 1), 0)).center();
  return list->viewport()->rect().contains(centre) ? std::clamp(row, 0, count - 1) : -1;
}

void WindowSession::Settle() { QApplication::processEvents(); }

// Chooses a random row and OK, OK without a row (which is refused with a
// message, then Cancel), or Cancel.
void WindowSession::AnswerNextSelectionDialog() {
  const int choice = Pick(4);
  const int row = Pick(1 << 16);
  AnswerNextModal([this, choice, row](QWidget* modal) {
    auto* dialog = qobject_cast<SelectRecordDialog*>(modal);
    if (!dialog) {
      modal->close();
      return;
    }
    RecordTableView* list = dialog->List();
    const int count = list->model()->rowCount();
    if (choice == 0) {
      dialog->reject();
      return;
    }
    if (choice == 1 || count == 0) {
      list->clearSelection();
      QString refusal;
      AnswerNextMessage(&refusal);
      dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
      if (refusal.isEmpty()) documentPrompter_.unexpected.push_back("no refusal message");
      dialog->reject();
      return;
    }
    list->SelectOnlyRow(row % count);
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
}

}  // namespace vq::test
