#pragma once
/// @file
/// The main window.

#include <QMainWindow>
#include <memory>

#include "interchange/qt/scan_table_downloader.h"
#include "ui/app/frame/frame_actions.h"
#include "ui/app/config/profile_placement.h"

class QLabel;
class QScreen;
class QMenu;

namespace vq {

class CVQChannelEditorDoc;
class CVQChannelEditorView;
class DialogPrompter;
class DialogTransferRunner;
class DocumentPrompter;
class InterchangeCommands;
class InterchangeDialogs;
class TidyDialogs;
class TidyMenuCommands;
class PresetDialogs;
class PresetMenuCommands;
class QtClipboard;
class RecentFiles;
class SerialReceiverCommands;
class TransponderUpdateCommand;
class CompareCommand;
class CompareDialogs;
class TransponderUpdateDialogs;
class UsbReceiverCommands;
struct EditorConfig;

namespace usb {
class UsbReceiverLink;
}

/// The frame around the main view: menus, toolbar with the banner, and a
/// status bar with one message pane. Carries out the file commands on the
/// document, keeps the recent-file menu and the title in step with it, and
/// opens files dropped on the window.
class CMainFrame : public QMainWindow {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(CMainFrame)

 public:
  CMainFrame(CVQChannelEditorDoc& document, EditorConfig& config, RecentFiles& recent,
             QWidget* parent = nullptr);
  ~CMainFrame() override;

  CVQChannelEditorView* View() const { return view_; }
  const FrameActions& Actions() const { return actions_; }
  /// Puts a text in the status bar's message pane.
  void ShowStatusMessage(const QString& text);
  QString StatusText() const;
  /// Opens a settings file as File Open does; false when it failed.
  bool OpenFile(const QString& path);
  /// Rebuilds the recent-file entries of the File menu.
  void RefreshRecentFiles();
  /// The recent-file entries of the File menu, in order.
  QList<QAction*> RecentFileActions() const { return recentActions_; }

  /// Applies a stored placement (pulled back onto the screen); false when
  /// the placement is incomplete and the default placement stays.
  bool ApplyPlacement(const FramePlacement& placement);
  /// The show state and restored rectangle to store.
  FramePlacement CurrentPlacement() const;
  /// Shows the window in the state of the applied placement.
  void ShowPlaced();

  /// Wires "Open from USB" and "Save to USB" to the receiver of `link`,
  /// which must outlive the frame or a later DetachReceiver. The commands
  /// are enabled while the receiver is attached.
  void AttachReceiver(usb::UsbReceiverLink& link, DocumentPrompter& prompter);
  /// Drops the USB commands (disabled from now on) before the link goes.
  void DetachReceiver();
  UsbReceiverCommands* ReceiverCommands() const { return usbCommands_; }

  /// Wires the preset export and import to `prompter` for messages and
  /// `dialogs` for file names and the confirmation; both must outlive the frame.
  void AttachPresetCommands(DocumentPrompter& prompter, PresetDialogs& dialogs);

  /// Wires "Update channels from internet" to `dialogs` for the review and
  /// messages (they must outlive the frame) and to `downloads` for a URL
  /// source; the command is enabled while a document holds a receiver model.
  void AttachTransponderUpdate(TransponderUpdateDialogs& dialogs, DownloadMaker downloads);
  TransponderUpdateCommand* UpdateCommand() const { return updateCommand_; }

  /// Adds File > "Compare with file..." wired to `dialogs` (which must
  /// outlive the frame), "Compare with receiver (USB)..." and "Backups...".
  /// The comparisons are enabled while a document holds a receiver model,
  /// the receiver's while the receiver is attached too.
  void AttachCompareCommands(CompareDialogs& dialogs);
  CompareCommand* Compare() const { return compareCommand_; }
  QAction* CompareWithFileAction() const { return compareWithFile_; }
  QAction* CompareWithReceiverAction() const { return compareWithReceiver_; }
  QAction* BackupsAction() const { return backups_; }

  /// Wires File > Import and Export of channel lists (VDR, scan tables,
  /// ordering, CSV) to `dialogs`, which must outlive the frame; the
  /// commands are enabled while a document holds a receiver model.
  void AttachInterchangeCommands(InterchangeDialogs& dialogs);
  InterchangeCommands* Interchange() const { return interchangeCommands_; }

  /// Wires the tidy-ups (duplicates, sort, move to a number, rename) into
  /// Special Actions and the channel list's context menu, asking through
  /// `dialogs`, which must outlive the frame.
  void AttachTidyCommands(TidyDialogs& dialogs);
  TidyMenuCommands* Tidy() const { return tidyCommands_; }

  /// Wires "Open from COM" and "Save to COM" to `commands`, which the frame
  /// owns from now on. They are enabled only while the editor
  /// configuration's ComCommandsEnabled is set.
  void AttachSerialCommands(SerialReceiverCommands* commands);
  SerialReceiverCommands* SerialCommands() const { return serialCommands_; }

  /// The desktop clipboard behind copy, cut, paste and apply.
  QtClipboard* DesktopClipboard() const { return clipboard_; }

 signals:
  /// The window is about to close (after the user agreed to lose changes).
  void closing();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  /// The window's size and place without a stored placement: 1280 x 800
  /// where the screen has room for it, else a little less than the screen.
  void PlaceFirstStart();
  /// Puts the window at `rect`, at least its minimum size, kept inside the
  /// available area of `screen`.
  void SetGeometryInside(PlacementRect rect, const QScreen& screen);
  void BuildMenus();
  void BuildToolBar();
  void ConnectCommands();
  void ConnectClipboard();
  void UpdateTitle();
  void OpenWithDialog();
  void ShowConfiguration();
  void ShowAbout();
  void UpdateReceiverCommands();
  void UpdateSerialCommands();
  void ResetViewAfterImport();
  void ConnectHistoryAndFind();
  void ConnectBackups();
  void UpdateCompareCommands();
  /// Reads the receiver's image (the document stays as it is) and compares.
  void CompareWithReceiver();
  /// The Backups window, then what was chosen in it.
  void ShowBackups();
  void TellBackupUnreadable(const QString& reason);
  void UpdateHistoryActions();

  CVQChannelEditorDoc& document_;
  EditorConfig& config_;
  RecentFiles& recent_;
  FrameActions actions_;
  CVQChannelEditorView* view_;
  QLabel* message_;
  QMenu* fileMenu_ = nullptr;
  QMenu* specialMenu_ = nullptr;
  QAction* recentSeparator_ = nullptr;
  QList<QAction*> recentActions_;
  static constexpr int kFirstWidth = 1280;
  static constexpr int kFirstHeight = 800;
  int placedState_ = -1;
  std::unique_ptr<DialogPrompter> prompter_;
  std::unique_ptr<DialogTransferRunner> transferRunner_;
  UsbReceiverCommands* usbCommands_ = nullptr;
  PresetMenuCommands* presetCommands_ = nullptr;
  TransponderUpdateCommand* updateCommand_ = nullptr;
  CompareCommand* compareCommand_ = nullptr;
  QAction* compareWithFile_ = nullptr;
  QAction* compareWithReceiver_ = nullptr;
  QAction* backups_ = nullptr;
  InterchangeCommands* interchangeCommands_ = nullptr;
  TidyMenuCommands* tidyCommands_ = nullptr;
  SerialReceiverCommands* serialCommands_ = nullptr;
  QtClipboard* clipboard_ = nullptr;
};

}  // namespace vq
