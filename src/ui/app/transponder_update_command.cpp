#include "ui/app/transponder_update_command.h"

#include <QMessageBox>
#include <QProgressDialog>

#include "database/settings_database.h"
#include "editing/command_frame.h"
#include "editing/command_texts.h"
#include "interchange/qt/scan_table_fetch.h"
#include "interchange/transponder_update_command.h"
#include "interchange/transponder_update_text.h"
#include "ui/app/editor_config.h"
#include "ui/dialogs/transponder_review_dialog.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq {
namespace {

constexpr const char* kTitle = "Update Channels from Internet";
constexpr const char* kReading = "Reading the scan tables ...";
constexpr const char* kSourceHint =
    "\n\nCheck the connection, or choose a folder of scan tables in Editor Configuration "
    "(Scan Tables).";
constexpr const char* kNothingInUse =
    "No satellite is in use, so there are no transponders to update.";

}  // namespace

std::optional<std::vector<TransponderUpdate>> WindowTransponderUpdateDialogs::Review(
    const TransponderComparison& comparison, const ScanTableSet& tables) {
  TransponderReviewDialog dialog(comparison, tables, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Ticked();
}

void WindowTransponderUpdateDialogs::Tell(const QString& text) {
  QMessageBox::information(parent_, kTitle, text);
}

TransponderUpdateCommand::TransponderUpdateCommand(CVQChannelEditorView& view,
                                                   const EditorConfig& config,
                                                   TransponderUpdateDialogs& dialogs,
                                                   QWidget* window, QObject* parent)
    : QObject(parent),
      view_(view),
      config_(config),
      dialogs_(dialogs),
      window_(window),
      fallback_(QString::fromUtf8(kInstalledScanTables)) {}

TransponderUpdateCommand::~TransponderUpdateCommand() { delete progress_; }

void TransponderUpdateCommand::Run() {
  if (IsRunning() || view_.Database().GetChannelCapacity() < 0) return;
  CommitPendingEdits(view_.Editing());
  const std::vector<int16_t> positions = PositionsToCompare(view_.Database());
  if (positions.empty()) {
    Compare(ScanTableSet{});
    return;
  }
  const QString source = config_.ScanTableSource.empty()
                             ? QString::fromUtf8(kPublicScanTables)
                             : QString::fromStdString(config_.ScanTableSource);
  view_.Editing().ShowStatus(kReading);
  fetch_ = std::make_unique<ScanTableFetch>(source, fallback_, positions, limits_);
  progress_ = new QProgressDialog(kReading, "Cancel", 0, 0, window_);
  progress_->setWindowTitle(kTitle);
  progress_->setAccessibleName(kTitle);
  progress_->setWindowModality(Qt::WindowModal);
  progress_->setMinimumDuration(300);
  progress_->setAutoReset(false);
  progress_->setAutoClose(false);
  connect(progress_, &QProgressDialog::canceled, this, &TransponderUpdateCommand::Cancel);
  connect(fetch_.get(), &ScanTableFetch::progress, progress_,
          [progress = progress_](int done, int total, const QString& text) {
            progress->setMaximum(total);
            progress->setValue(done);
            if (!text.isEmpty()) progress->setLabelText(text);
          });
  connect(fetch_.get(), &ScanTableFetch::finished, this, &TransponderUpdateCommand::Fetched,
          Qt::QueuedConnection);
  fetch_->Start();
}

void TransponderUpdateCommand::Cancel() {
  if (fetch_) fetch_->Cancel();
}

void TransponderUpdateCommand::Fetched() {
  const std::unique_ptr<ScanTableFetch> fetch = std::move(fetch_);
  if (progress_) {
    // Gone from the screen before the review opens its own event loop.
    progress_->hide();
    progress_->deleteLater();
  }
  switch (fetch->GetOutcome()) {
    case ScanTableFetch::Outcome::kDone:
      Compare(fetch->Tables());
      return;
    case ScanTableFetch::Outcome::kFailed:
      dialogs_.Tell(fetch->Message() + kSourceHint);
      break;
    case ScanTableFetch::Outcome::kCancelled:
    case ScanTableFetch::Outcome::kRunning:
      break;
  }
  Finish(texts::kReady);
}

void TransponderUpdateCommand::Compare(const ScanTableSet& tables) {
  const TransponderComparison comparison = CompareWithScanTables(view_.Database(), tables);
  if (comparison.satellites.empty()) {
    dialogs_.Tell(kNothingInUse);
    Finish(texts::kReady);
    return;
  }
  const std::optional<std::vector<TransponderUpdate>> chosen = dialogs_.Review(comparison, tables);
  if (!chosen || chosen->empty()) {
    Finish(texts::kReady);
    return;
  }
  TransponderUpdateResult result;
  view_.Recorded("Update channels from internet",
                 [&] { result = UpdateTransponders(view_.Editing(), *chosen); });
  if (!result.message.empty() || !result.notApplied.empty()) {
    QStringList lines;
    for (const std::string& line : UpdateResultLines(result))
      lines.append(QString::fromStdString(line).trimmed());
    dialogs_.Tell(lines.join('\n'));
  }
  emit finished();
}

void TransponderUpdateCommand::Finish(const char* status) {
  view_.Editing().ShowStatus(status);
  emit finished();
}

}  // namespace vq
