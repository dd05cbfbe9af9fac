#pragma once
// The single document: the settings database and the settings file it came
// from, with the New, Open, Save, Save As and Close commands.

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "backups/backup_folder.h"
#include "database/settings_database.h"
#include "document/background_open.h"
#include "document/qt/document_prompter.h"
#include "document/settings_file.h"
#include "editing/history/change_history.h"

namespace vq {

/// Owns one SettingsDatabase for its whole life (the object is never
/// replaced, so views may keep a pointer) and the settings file it holds
/// open and locked. A failed open or save leaves the document as it was:
/// database, path, title, lock and modified state.
///
/// Owns the database's change history too: New, Open and an image read
/// from a receiver start it over, a save sets its save point, and the
/// modified mark follows it once a recorded change, an undo or a redo ends.
class CVQChannelEditorDoc : public QObject {
  Q_OBJECT

 public:
  /// Gives the extended configuration flag of a new document (the editor
  /// configuration's DefaultNetworkEnabled).
  using NetworkDefault = std::function<int32_t()>;
  /// Commits or drops an edit still pending in a property pane.
  using PendingEdits = std::function<void()>;
  /// Keeps the bytes an overwrite is about to destroy (or an image read from
  /// a receiver) among the backups; returns why it could not, empty when it
  /// did or backups are off.
  using BackupKeeper = std::function<std::string(std::span<const uint8_t> image,
                                                 BackupReason reason, const std::string& source)>;

  // The document's texts, shown through tr().
  static constexpr const char* kUntitled = QT_TR_NOOP("Untitled");
  static constexpr const char* kInvalidFile = QT_TR_NOOP("Invalid settings file specified!");
  static constexpr const char* kAskReadOnly =
      QT_TR_NOOP("File is already opened by other application.\nDo you want to open as read only?");
  static constexpr const char* kAccessLocked = QT_TR_NOOP("Access to file is locked!");
  static constexpr const char* kCorrupted = QT_TR_NOOP("Settings file is corrupted!");
  static constexpr const char* kReadOnlyMark = QT_TR_NOOP("(read only)");

  /// `files` (the operating system's unless a test gives another) must
  /// outlive the document.
  CVQChannelEditorDoc(DocumentPrompter& prompter, NetworkDefault networkDefault,
                      SettingsDatabase::Clock clock = CurrentLocalDateTime,
                      FileSystem& files = NativeFileSystem(), QObject* parent = nullptr);
  ~CVQChannelEditorDoc() override;
  Q_DISABLE_COPY_MOVE(CVQChannelEditorDoc)

  /// Installs what settles a pane's pending edit. New, Open, Save, Save As
  /// and the save-changes question run it before anything else, so the
  /// edit is written (or dropped) before the user is asked about the file
  /// and never into a database that replaced its own.
  void SetPendingEdits(PendingEdits pendingEdits) { pendingEdits_ = std::move(pendingEdits); }
  /// Installs the keeper of backups (none: nothing is kept). Save and Save As
  /// over an existing file hand it the file's bytes first; a failure is
  /// traced and told through backupFailed, and the save goes on.
  void SetBackupKeeper(BackupKeeper keeper) { backupKeeper_ = std::move(keeper); }
  /// Hands `image` to the keeper; false (after backupFailed) when it failed.
  bool KeepBackup(std::span<const uint8_t> image, BackupReason reason, const std::string& source);
  /// The same for the file at `path` (up to a settings image's size; a
  /// larger file or no file at all is not kept and is no failure).
  bool KeepFileAsBackup(const std::string& path, BackupReason reason, const std::string& source);
  /// Settles the pending edit; commands that read or replace the database
  /// outside the document (receiver transfers, presets) call it first.
  void CommitPendingEdits();

  // ---- Commands (each asks to save changes first where that applies) ----
  /// File New: a model 0 database with the defaults, untitled, no file held.
  bool NewDocument();
  /// File Open, a recent file, a dropped file or the command line. Opening
  /// the file already shown does nothing and succeeds, unless it is shown
  /// read-only: then it is opened again, which gains write access when the
  /// other program has released the file.
  bool OpenDocument(const QString& path);
  /// Starts opening `path` on a thread of its own, for the next
  /// OpenDocument: when that opens the same path, it takes the file and its
  /// decoded content instead of reading it again. The start-up calls it
  /// before building the window; the next OpenDocument lets go of it either
  /// way.
  void PrepareOpen(const QString& path);
  /// Opens `image` (a kept backup) as a new untitled document with unsaved
  /// changes, so Save asks for a name. Asks to save changes first; on a
  /// refusal or an image that does not decode the document stays as it was.
  bool OpenUntitledImage(std::span<const uint8_t> image);
  /// File Save: over the held file, or Save As when untitled.
  bool Save();
  /// File Save As to `path`; asks for a path when `path` is empty, and adds
  /// ".bin" to an asked-for file name without an extension.
  bool SaveAs(const QString& path = QString());
  /// Releases the file (the program is closing the document).
  void CloseDocument();
  /// Asks "Save changes to ...?" when modified; false when the user cancels
  /// or the save fails. Call before the document is replaced or at exit.
  bool SaveModified();

  // ---- State ----
  SettingsDatabase& Database() { return *database_; }
  const SettingsDatabase& Database() const { return *database_; }
  /// The held file's path; empty for an untitled document.
  QString PathName() const { return path_; }
  /// File name, with "(read only)" before its extension when read-only and
  /// " *" behind it when modified.
  QString Title() const;
  bool IsModified() const { return modified_; }
  void SetModifiedFlag(bool modified = true);
  bool IsFileOpen() const { return file_.IsOpen(); }
  bool IsReadOnly() const { return readOnly_; }
  /// Save is enabled only for a writable document with changes.
  bool CanSave() const { return !readOnly_ && modified_; }
  bool IsLoadingFromReceiver() const { return loadingFromReceiver_; }
  /// The undo and redo steps of the database; wrap every change in a
  /// HistoryStep on it.
  ChangeHistory& History() { return history_; }
  const ChangeHistory& History() const { return history_; }
  /// Tells the views that the database's content was replaced by a command
  /// other than New and Open (a preset import, an image from a receiver):
  /// they refill (documentReplaced), with IsLoadingFromReceiver() true
  /// meanwhile when the image came from a receiver.
  void ContentReplaced(bool fromReceiver);

 signals:
  /// The database holds a new document (New or Open): refill every view.
  void documentReplaced();
  void titleChanged(const QString& title);
  void modifiedChanged(bool modified);
  /// A file was opened or saved under `path` (for the recent-file list).
  void fileUsed(const QString& path);
  /// What Undo and Redo offer may have changed.
  void historyChanged();
  /// A backup could not be kept; `reason` says why.
  void backupFailed(const QString& reason);

 private:
  bool IsShownWritable(const QString& path) const;
  // Opens and reads the file at `path` into `file` and decodes it into
  // `decoded`, or takes both from `prepared` when it prepared that path;
  // false after telling the user why not.
  bool OpenInto(const QString& path, SettingsFile& file, SettingsDatabase& decoded,
                std::unique_ptr<BackgroundOpen> prepared);
  bool SaveTo(const QString& path);
  void SetPathAndTitle(const QString& path, bool readOnly);

  DocumentPrompter& prompter_;
  NetworkDefault networkDefault_;
  PendingEdits pendingEdits_;
  BackupKeeper backupKeeper_;
  SettingsDatabase::Clock clock_;
  FileSystem& files_;
  std::unique_ptr<SettingsDatabase> database_;
  ChangeHistory history_;
  SettingsFile file_;
  std::unique_ptr<BackgroundOpen> prepared_;
  QString path_;
  bool readOnly_ = false;
  bool modified_ = false;
  bool loadingFromReceiver_ = false;
};

}  // namespace vq
