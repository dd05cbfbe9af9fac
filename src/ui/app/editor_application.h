#pragma once
/// @file
/// Start-up and exit of the editor.

#include <QString>
#include <QStringList>
#include <future>
#include <memory>

#include "ui/app/commands/compare_command.h"
#include "ui/app/config/editor_config.h"
#include "ui/app/commands/interchange_dialogs.h"
#include "ui/app/commands/message_prompter.h"
#include "ui/app/commands/preset_menu_commands.h"
#include "ui/app/config/recent_files.h"
#include "ui/app/commands/transponder_update_command.h"
#include "ui/app/commands/tidy_dialogs.h"

namespace vq {

class CMainFrame;
class CVQChannelEditorDoc;
class ProfileStore;

namespace usb {
class UsbBus;
class UsbReceiverLink;
}  // namespace usb

/// The application object: owns the EditorConfig for the whole run, the
/// profile it comes from, the recent-file list, the document, the main
/// window and the USB bus with the receiver link. Start and Exit run the
/// steps in their fixed order.
class EditorApplication {
 public:
  /// Downloads come from the network module installed with the program.
  EditorApplication();
  /// Downloads come from `downloads`.
  explicit EditorApplication(DownloadMaker downloads);
  ~EditorApplication();
  EditorApplication(const EditorApplication&) = delete;
  EditorApplication& operator=(const EditorApplication&) = delete;

  /// Reads the profile (the command line may name it), loads the
  /// configuration and recent files, creates the document and the window,
  /// opens the file named on the command line (or a new document), attaches
  /// to the receiver (on the USB bus, or the emulated one the command line
  /// names) and shows the window. False when the arguments or a file cannot
  /// be used; the program then exits.
  bool Start(const QStringList& arguments);
  /// Stores the configuration and recent files, then detaches from the
  /// receiver and releases the USB bus.
  void Exit();

  EditorConfig& Config() { return config_; }
  RecentFiles& Recent() { return recent_; }
  CVQChannelEditorDoc* Document() const { return document_.get(); }
  CMainFrame* Frame() const { return frame_.get(); }
  ProfileStore* Profile() const { return profile_.get(); }
  /// The USB bus (an EmulatedReceiver with --emulated-receiver); null
  /// before Start attached and after Exit.
  usb::UsbBus* Bus() const { return bus_.get(); }
  usb::UsbReceiverLink* ReceiverLink() const { return link_.get(); }

 private:
  /// Creates the bus and attaches to the receiver; false when the emulated
  /// receiver's settings file cannot be read.
  bool AttachReceiver(const QString& emulatedImage);

  DownloadMaker downloads_;
  EditorConfig config_;
  RecentFiles recent_{9};
  MessagePrompter prompter_;
  FilePresetDialogs presetDialogs_;
  WindowTransponderUpdateDialogs updateDialogs_;
  WindowCompareDialogs compareDialogs_;
  WindowInterchangeDialogs interchangeDialogs_;
  WindowTidyDialogs tidyDialogs_;
  std::unique_ptr<ProfileStore> profile_;
  std::unique_ptr<CVQChannelEditorDoc> document_;
  std::unique_ptr<CMainFrame> frame_;
  std::future<std::unique_ptr<usb::UsbBus>> startingBus_;
  std::unique_ptr<usb::UsbBus> bus_;
  std::unique_ptr<usb::UsbReceiverLink> link_;
  bool exited_ = false;
};

}  // namespace vq
