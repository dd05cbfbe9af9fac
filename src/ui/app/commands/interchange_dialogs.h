#pragma once
/// @file
/// What the imports and exports of other lists ask and tell the user.

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>

namespace vq {

class SatelliteNode;
class SettingsDatabase;

/// The kinds of files the File > Import and Export entries read and write.
enum class ListFileKind { kVdrChannels, kScanTable, kReference, kCsv };

/// The titles of the commands' dialogs and messages, translated where shown.
inline constexpr const char* kImportVdrTitle =
    QT_TRANSLATE_NOOP("vq::InterchangeCommands", "Import VDR Channel List");
inline constexpr const char* kImportScanTableTitle =
    QT_TRANSLATE_NOOP("vq::InterchangeCommands", "Import DVB Scan Table");
inline constexpr const char* kOrderLikeTitle =
    QT_TRANSLATE_NOOP("vq::InterchangeCommands", "Order Channels Like Another List");
inline constexpr const char* kExportVdrTitle =
    QT_TRANSLATE_NOOP("vq::InterchangeCommands", "Export VDR Channel List");
inline constexpr const char* kExportCsvTitle =
    QT_TRANSLATE_NOOP("vq::InterchangeCommands", "Export Channel List as CSV");

/// File names, questions, the satellite for a scan table, the summary after
/// an import and messages. The window shows dialogs; tests answer.
class InterchangeDialogs {
 public:
  virtual ~InterchangeDialogs() = default;
  /// An open dialog for a file of `kind`; empty when cancelled.
  virtual QString AskOpenPath(ListFileKind kind, const QString& directory) = 0;
  /// A save dialog with an overwrite prompt for a file of `kind`; empty
  /// when cancelled.
  virtual QString AskSavePath(ListFileKind kind, const QString& directory) = 0;
  /// A Yes/No question; true for Yes.
  virtual bool AskYesNo(const QString& title, const QString& text) = 0;
  /// The satellite that takes a scan table's transponders, `suggested`
  /// selected at first; its number, or nothing when cancelled.
  virtual std::optional<int> ChooseSatellite(const SettingsDatabase& db,
                                             const SatelliteNode* suggested) = 0;
  /// What an import did: a heading (a warning when it stopped early) and
  /// the summary lines.
  virtual void ShowSummary(const QString& title, const QString& heading, bool warning,
                           const QStringList& lines) = 0;
  /// A message with an OK button (warning icon).
  virtual void Tell(const QString& title, const QString& text) = 0;
};

/// InterchangeDialogs as file dialogs, message boxes, "Select Satellite"
/// and the import summary over a window.
class WindowInterchangeDialogs : public InterchangeDialogs {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }

  QString AskOpenPath(ListFileKind kind, const QString& directory) override;
  QString AskSavePath(ListFileKind kind, const QString& directory) override;
  bool AskYesNo(const QString& title, const QString& text) override;
  std::optional<int> ChooseSatellite(const SettingsDatabase& db,
                                     const SatelliteNode* suggested) override;
  void ShowSummary(const QString& title, const QString& heading, bool warning,
                   const QStringList& lines) override;
  void Tell(const QString& title, const QString& text) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace vq
