#include "ui/app/commands/transponder_update_command.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <utility>

#include "database/settings_database.h"
#include "editing/commands/command_frame.h"
#include "editing/commands/command_texts.h"
#include "interchange/qt/scan_table_fetch.h"
#include "interchange/transponder_update_command.h"
#include "interchange/transponder_update_text.h"
#include "ui/app/config/editor_config.h"
#include "ui/dialogs/transponder_review_dialog.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq {
namespace {

// The texts are marked for the catalogue here and translated where shown.
constexpr const char* kTitle =
    QT_TRANSLATE_NOOP("TransponderUpdateCommand", "Update Channels from Internet");
constexpr const char* kReading =
    QT_TRANSLATE_NOOP("TransponderUpdateCommand", "Reading the scan tables ...");
constexpr const char* kCancel = QT_TRANSLATE_NOOP("TransponderUpdateCommand", "Cancel");
constexpr const char* kSourceHint = QT_TRANSLATE_NOOP(
    "TransponderUpdateCommand",
    "\n\nCheck the connection, or choose a folder of scan tables in Editor Configuration "
    "(Scan Tables).");
constexpr const char* kNothingInUse = QT_TRANSLATE_NOOP(
    "TransponderUpdateCommand", "No satellite is in use, so there are no transponders to update.");
constexpr const char* kStepName =
    QT_TRANSLATE_NOOP("TransponderUpdateCommand", "Update channels from internet");

QString Text(const char* text) {
  return QCoreApplication::translate("TransponderUpdateCommand", text);
}

}  // namespace

std::optional<std::vector<TransponderUpdate>> WindowTransponderUpdateDialogs::Review(
    const TransponderComparison& comparison, const ScanTableSet& tables) {
  TransponderReviewDialog dialog(comparison, tables, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Ticked();
}

void WindowTransponderUpdateDialogs::Tell(const QString& text) {
  QMessageBox box(QMessageBox::Information, Text(kTitle), text, QMessageBox::Ok, parent_);
  box.setTextFormat(Qt::PlainText);  // it names the source
  box.exec();
}

TransponderUpdateCommand::TransponderUpdateCommand(CVQChannelEditorView& view,
                                                   const EditorConfig& config,
                                                   TransponderUpdateDialogs& dialogs,
                                                   DownloadMaker downloads, QWidget* window,
                                                   QObject* parent)
    : QObject(parent),
      view_(view),
      config_(config),
      dialogs_(dialogs),
      downloads_(std::move(downloads)),
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
  view_.ShowStatus(Text(kReading));
  fetch_ = std::make_unique<ScanTableFetch>(source, fallback_, positions, downloads_, limits_);
  progress_ = new QProgressDialog(Text(kReading), Text(kCancel), 0, 0, window_);
  // The label names tables from the source: data, never rich text.
  auto* label = new QLabel(progress_);
  label->setTextFormat(Qt::PlainText);
  progress_->setLabel(label);
  progress_->setLabelText(Text(kReading));
  progress_->setWindowTitle(Text(kTitle));
  progress_->setAccessibleName(Text(kTitle));
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
      dialogs_.Tell(fetch->Message() + Text(kSourceHint));
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
    dialogs_.Tell(Text(kNothingInUse));
    Finish(texts::kReady);
    return;
  }
  const std::optional<std::vector<TransponderUpdate>> chosen = dialogs_.Review(comparison, tables);
  if (!chosen || chosen->empty()) {
    Finish(texts::kReady);
    return;
  }
  TransponderUpdateResult result;
  view_.Recorded(Text(kStepName), [&] { result = UpdateTransponders(view_.Editing(), *chosen); });
  if (!result.message.empty() || !result.notApplied.empty()) {
    QStringList lines;
    for (const std::string& line : UpdateResultLines(result))
      lines.append(QString::fromLatin1(line).trimmed());
    dialogs_.Tell(lines.join('\n'));
  }
  emit finished();
}

void TransponderUpdateCommand::Finish(const char* status) {
  view_.Editing().ShowStatus(status);
  emit finished();
}

}  // namespace vq
