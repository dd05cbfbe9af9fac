#include "ui/app/editor_application.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <utility>

#include "common/qt/core_text.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "document/trace_log.h"
#include "interchange/qt/download_module.h"
#include "link/usb/emulated_receiver.h"
#include "link/usb/libusb_bus.h"
#include "link/usb/qt/usb_receiver_link.h"
#include "ui/app/command_line.h"
#include "ui/app/commands/serial_profile.h"
#include "ui/app/commands/serial_receiver_commands.h"
#include "ui/app/commands/usb_profile.h"
#include "ui/app/config/profile_store.h"
#include "ui/app/frame/extension_button_style.h"
#include "ui/app/frame/main_frame.h"

namespace vq {
namespace {

// A core message naming `path`: the message in Latin-1, the path as given.
QString MessageNaming(const std::string& message, const QString& path) {
  const std::string name = path.toStdString();
  const size_t at = name.empty() ? std::string::npos : message.find(name);
  if (at == std::string::npos) return QString::fromLatin1(message);
  return QString::fromLatin1(message.substr(0, at)) + path +
         QString::fromLatin1(message.substr(at + name.size()));
}

// The network module lies beside the program in the build tree and in its
// own library folder once installed.
QStringList ModuleDirectories() {
  const QString program = QCoreApplication::applicationDirPath();
  return {program, QDir(program).filePath(QStringLiteral(VQ_MODULE_DIR_FROM_PROGRAM))};
}

}  // namespace

EditorApplication::EditorApplication()
    : EditorApplication(ModuleDownloadMaker(ModuleDirectories())) {}

EditorApplication::EditorApplication(DownloadMaker downloads) : downloads_(std::move(downloads)) {}

EditorApplication::~EditorApplication() { Exit(); }

bool EditorApplication::Start(const QStringList& arguments) {
  InstallCoreTextTranslator();
  InstallExtensionButtonStyle();
  const CommandLine line = ParseCommandLine(arguments);
  if (!line.error.isEmpty()) {
    QMessageBox box(QMessageBox::Critical, kProgramTitle, line.error);
    box.setTextFormat(Qt::PlainText);  // it quotes the command line
    box.exec();
    return false;
  }
  if (!line.trace.isEmpty()) EnableTraceLog(line.trace.toStdString());

  profile_ = std::make_unique<ProfileStore>(line.profile.isEmpty() ? ProfileStore::DefaultPath()
                                                                   : line.profile);
  config_ = profile_->LoadConfig();
  recent_.Assign(profile_->LoadRecentFiles());
  // libusb starts, and looks at the bus, on a thread of its own while the
  // window is built.
  if (line.emulatedReceiver.isEmpty())
    startingBus_ = std::async(std::launch::async, [filter = ReadUsbDeviceFilter(profile_->Path())] {
      return std::unique_ptr<usb::UsbBus>(std::make_unique<usb::LibUsbBus>(filter));
    });

  document_ = std::make_unique<CVQChannelEditorDoc>(
      prompter_, [this] { return config_.DefaultNetworkEnabled; });
  // The file decodes on a thread of its own while the window is built.
  if (!line.file.isEmpty()) document_->PrepareOpen(line.file);
  const FramePlacement placement = profile_->LoadPlacement();
  frame_ = std::make_unique<CMainFrame>(*document_, config_, recent_);
  prompter_.SetParent(frame_.get());
  presetDialogs_.SetParent(frame_.get());
  frame_->AttachPresetCommands(prompter_, presetDialogs_);
  updateDialogs_.SetParent(frame_.get());
  frame_->AttachTransponderUpdate(updateDialogs_, downloads_);
  compareDialogs_.SetParent(frame_.get());
  frame_->AttachCompareCommands(compareDialogs_);
  interchangeDialogs_.SetParent(frame_.get());
  frame_->AttachInterchangeCommands(interchangeDialogs_);
  tidyDialogs_.SetParent(frame_.get());
  frame_->AttachTidyCommands(tidyDialogs_);
  frame_->AttachSerialCommands(new SerialReceiverCommands(
      *document_, prompter_,
      DialogSerialRunner(config_, LoadSerialDevicePath(profile_->Path()), frame_.get())));
  frame_->ApplyPlacement(placement);
  QObject::connect(frame_.get(), &CMainFrame::closing, frame_.get(),
                   [this] { profile_->SavePlacement(frame_->CurrentPlacement()); });

  const bool opened =
      line.file.isEmpty() ? document_->NewDocument() : document_->OpenDocument(line.file);
  if (!opened) return false;
  if (!AttachReceiver(line.emulatedReceiver)) return false;
  frame_->ShowPlaced();
  return true;
}

bool EditorApplication::AttachReceiver(const QString& emulatedImage) {
  if (emulatedImage.isEmpty()) {
    bus_ = startingBus_.get();
  } else {
    std::string error;
    bus_ = usb::EmulatedReceiver::FromFile(emulatedImage.toStdString(), error);
    if (!bus_) {
      QMessageBox box(QMessageBox::Critical, kProgramTitle,
                      QCoreApplication::translate("vq::EditorApplication", "Emulated receiver: %1")
                          .arg(MessageNaming(error, emulatedImage)),
                      QMessageBox::Ok, frame_.get());
      box.setTextFormat(Qt::PlainText);
      box.exec();
      return false;
    }
  }
  link_ = std::make_unique<usb::UsbReceiverLink>(*bus_);
  frame_->AttachReceiver(*link_, prompter_);
  return true;
}

void EditorApplication::Exit() {
  if (exited_ || !profile_) return;
  exited_ = true;
  profile_->SaveConfig(config_);
  profile_->SaveRecentFiles(recent_.Files());
  profile_->Sync();
  if (frame_) frame_->DetachReceiver();
  link_.reset();
  bus_.reset();
  startingBus_ = {};  // a bus never attached (the open failed) goes too
  DisableTraceLog();
}

}  // namespace vq
