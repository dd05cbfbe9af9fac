#pragma once
/// @file
/// File > "Export" > "Preset data" and "Import" > "Preset data".

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <string_view>

namespace vq {

class CVQChannelEditorDoc;
class DocumentPrompter;

/// The filter of the preset file dialogs.
inline constexpr const char* kPresetFilter =
    QT_TRANSLATE_NOOP("FileDialogs", "Preset files (*.bin)");

/// The questions the preset commands ask: file names and the confirmation
/// before unsaved changes are lost. The window shows dialogs; tests answer.
class PresetDialogs {
 public:
  virtual ~PresetDialogs() = default;
  /// A save dialog with an overwrite prompt; empty when cancelled.
  virtual QString AskExportPath(const QString& directory) = 0;
  /// An open dialog; empty when cancelled.
  virtual QString AskImportPath(const QString& directory) = 0;
  /// A Yes/No question with a warning icon; true for Yes.
  virtual bool Confirm(const QString& title, const QString& text) = 0;
};

/// PresetDialogs as file dialogs and a message box over a window.
class FilePresetDialogs : public PresetDialogs {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }

  QString AskExportPath(const QString& directory) override;
  QString AskImportPath(const QString& directory) override;
  bool Confirm(const QString& title, const QString& text) override;

 private:
  QPointer<QWidget> parent_;
};

/// Exports the document's satellites, LNB settings and transponders to a
/// preset file, and replaces its database with a preset file's content.
class PresetMenuCommands : public QObject {
  Q_OBJECT

 public:
  PresetMenuCommands(CVQChannelEditorDoc& document, DocumentPrompter& prompter,
                     PresetDialogs& dialogs, QObject* parent = nullptr);

  /// Writes the preset file (through a temporary file renamed over the
  /// target, so a failure never leaves half a file). True when written.
  bool Export();
  /// Reads and checks the whole file first; only a valid preset asks about
  /// unsaved changes and then replaces the database, which is then modified.
  /// True when the database now holds the preset.
  bool Import();

 signals:
  /// The database holds an imported preset; emitted before the document
  /// tells its views to refill, so the view can reset its list state.
  void presetImported();

 private:
  QString Directory() const;
  void Tell(std::string_view text);

  CVQChannelEditorDoc& document_;
  DocumentPrompter& prompter_;
  PresetDialogs& dialogs_;
};

}  // namespace vq
