#pragma once
/// @file
/// Special Actions > "Update channels from internet".

#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "interchange/qt/scan_table_downloader.h"
#include "interchange/transponder_update.h"

class QWidget;

namespace vq {

class CVQChannelEditorView;
class ScanTableFetch;
struct EditorConfig;

/// What the update asks and tells the user: the window shows dialogs, tests
/// answer.
class TransponderUpdateDialogs {
 public:
  virtual ~TransponderUpdateDialogs() = default;
  /// Shows the differences; the ticked ones when the user applies, nothing
  /// when the user cancels.
  virtual std::optional<std::vector<TransponderUpdate>> Review(
      const TransponderComparison& comparison, const ScanTableSet& tables) = 0;
  virtual void Tell(const QString& text) = 0;
};

/// TransponderUpdateDialogs as the review dialog and message boxes over a window.
class WindowTransponderUpdateDialogs : public TransponderUpdateDialogs {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }

  std::optional<std::vector<TransponderUpdate>> Review(const TransponderComparison& comparison,
                                                       const ScanTableSet& tables) override;
  void Tell(const QString& text) override;

 private:
  QPointer<QWidget> parent_;
};

/// Reads the scan tables of every satellite's orbital position from the
/// configured source behind a progress dialog with Cancel (the window keeps
/// painting and answering while it waits), compares, lets the user review
/// and applies what was ticked as one editing command. Cancel, a failed
/// source or a cancelled review change nothing.
class TransponderUpdateCommand : public QObject {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(TransponderUpdateCommand)

 public:
  TransponderUpdateCommand(CVQChannelEditorView& view, const EditorConfig& config,
                           TransponderUpdateDialogs& dialogs, DownloadMaker downloads,
                           QWidget* window, QObject* parent = nullptr);
  ~TransponderUpdateCommand() override;

  void Run();
  /// Stops a running download (nothing changes).
  void Cancel();
  bool IsRunning() const { return fetch_ != nullptr; }
  QProgressDialog* Progress() const { return progress_; }

  /// The installed tables that stand in for an unreachable web source.
  void SetFallbackFolder(const QString& folder) { fallback_ = folder; }
  void SetLimits(const DownloadLimits& limits) { limits_ = limits; }

 signals:
  /// The command ran to its end, whatever the outcome.
  void finished();

 private:
  void Fetched();
  void Compare(const ScanTableSet& tables);
  void Finish(const char* status);

  CVQChannelEditorView& view_;
  const EditorConfig& config_;
  TransponderUpdateDialogs& dialogs_;
  DownloadMaker downloads_;
  QPointer<QWidget> window_;
  QString fallback_;
  DownloadLimits limits_;
  std::unique_ptr<ScanTableFetch> fetch_;
  QPointer<QProgressDialog> progress_;
};

}  // namespace vq
