#include "ui/app/frame/frame_actions.h"

#include <QAction>
#include <QCoreApplication>

#include "document/qt/serial_com_commands.h"
#include "document/qt/usb_receiver_commands.h"
#include "ui/app/frame/toolbar_icons.h"

namespace vq {
namespace {

QAction* Make(QObject* parent, const QString& text, bool enabled,
              const QList<QKeySequence>& keys = {}) {
  auto* action = new QAction(text, parent);
  action->setEnabled(enabled);
  action->setShortcuts(keys);
  action->setStatusTip(QString(text).remove('&').remove("..."));
  return action;
}

QAction* Make(QObject* parent, const QString& text, CommandImage image, bool enabled,
              const QList<QKeySequence>& keys = {}) {
  QAction* action = Make(parent, text, enabled, keys);
  action->setIcon(CommandIcon(image));
  return action;
}

}  // namespace

FrameActions CreateFrameActions(QObject* parent) {
  FrameActions a{};
  a.newFile = Make(parent, QCoreApplication::translate("FrameActions", "&New"), CommandImage::kNew,
                   true, {QKeySequence("Ctrl+N")});
  a.open = Make(parent, QCoreApplication::translate("FrameActions", "&Open..."),
                CommandImage::kOpen, true, {QKeySequence("Ctrl+O")});
  a.save = Make(parent, QCoreApplication::translate("FrameActions", "&Save"), CommandImage::kSave,
                false, {QKeySequence("Ctrl+S")});
  a.saveAs = Make(parent, QCoreApplication::translate("FrameActions", "Save &As..."), true);
  a.openCom = Make(parent, QCoreApplication::translate("FrameActions", "&Open from COM..."),
                   CommandImage::kOpenCom, false);
  a.saveCom = Make(parent, QCoreApplication::translate("FrameActions", "Save to COM"),
                   CommandImage::kSaveCom, false);
  a.openUsb = Make(parent, QCoreApplication::translate("FrameActions", "&Open from USB..."),
                   CommandImage::kOpenUsb, false);
  a.saveUsb = Make(parent, QCoreApplication::translate("FrameActions", "Save to USB"),
                   CommandImage::kSaveUsb, false);
  a.openCom->setStatusTip(SerialOpenPrompt());
  a.saveCom->setStatusTip(SerialSavePrompt());
  a.openUsb->setStatusTip(UsbReceiverCommands::OpenPrompt());
  a.saveUsb->setStatusTip(UsbReceiverCommands::SavePrompt());
  a.exportPreset = Make(parent, QCoreApplication::translate("FrameActions", "Preset data"), false);
  a.exportVdrChannels =
      Make(parent, QCoreApplication::translate("FrameActions", "&VDR channel list..."), false);
  a.exportCsv =
      Make(parent, QCoreApplication::translate("FrameActions", "Channel list as &CSV..."), false);
  a.importPreset = Make(parent, QCoreApplication::translate("FrameActions", "Preset data"), false);
  a.importVdrChannels =
      Make(parent, QCoreApplication::translate("FrameActions", "&VDR channel list..."), false);
  a.importScanTable =
      Make(parent, QCoreApplication::translate("FrameActions", "DVB &scan table..."), false);
  a.orderLikeList = Make(
      parent, QCoreApplication::translate("FrameActions", "&Order channels like another list..."),
      false);
  a.exportVdrChannels->setStatusTip(
      QCoreApplication::translate("FrameActions", "Write the channels as a VDR channels.conf"));
  a.exportCsv->setStatusTip(QCoreApplication::translate(
      "FrameActions", "Write the channels as a CSV table for spreadsheets"));
  a.importVdrChannels->setStatusTip(QCoreApplication::translate(
      "FrameActions", "Add the satellite channels of a VDR channels.conf"));
  a.importScanTable->setStatusTip(QCoreApplication::translate(
      "FrameActions", "Add the transponders of a dvbv5 scan table to a satellite"));
  a.orderLikeList->setStatusTip(QCoreApplication::translate(
      "FrameActions", "Number the channels like a settings file, channels.conf or list"));
  a.exit = Make(parent, QCoreApplication::translate("FrameActions", "E&xit"), true);
  // Their texts name the step once the frame knows one.
  a.undo = Make(parent, QCoreApplication::translate("FrameActions", "&Undo"), CommandImage::kUndo,
                false, {QKeySequence("Ctrl+Z")});
  a.redo = Make(parent, QCoreApplication::translate("FrameActions", "&Redo"), CommandImage::kRedo,
                false, {QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
  a.find = Make(parent, QCoreApplication::translate("FrameActions", "&Find..."),
                CommandImage::kFind, true, {QKeySequence("Ctrl+F")});
  a.findNext = Make(parent, QCoreApplication::translate("FrameActions", "Find &Next"), true,
                    {QKeySequence("F3")});
  a.findPrevious = Make(parent, QCoreApplication::translate("FrameActions", "Find &Previous"), true,
                        {QKeySequence("Shift+F3")});
  a.cut = Make(parent, QCoreApplication::translate("FrameActions", "Cu&t"), CommandImage::kCut,
               false, {QKeySequence("Ctrl+X"), QKeySequence("Shift+Del")});
  a.copy = Make(parent, QCoreApplication::translate("FrameActions", "&Copy"), CommandImage::kCopy,
                false, {QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Ins")});
  a.paste = Make(parent, QCoreApplication::translate("FrameActions", "&Paste"),
                 CommandImage::kPaste, false, {QKeySequence("Ctrl+V"), QKeySequence("Shift+Ins")});
  a.statusBar = Make(parent, QCoreApplication::translate("FrameActions", "&Status Bar"), true);
  a.statusBar->setCheckable(true);
  a.statusBar->setChecked(true);
  a.deleteDataChannels =
      Make(parent, QCoreApplication::translate("FrameActions", "Delete all &data channels"),
           CommandImage::kDeleteDataChannels, false);
  a.deleteEmptyTransponders =
      Make(parent, QCoreApplication::translate("FrameActions", "Delete all &empty transponders"),
           CommandImage::kDeleteEmptyTransponders, false);
  a.updateFromInternet =
      Make(parent, QCoreApplication::translate("FrameActions", "&Update channels from internet"),
           CommandImage::kUpdateFromInternet, false);
  a.configuration =
      Make(parent, QCoreApplication::translate("FrameActions", "Editor &Configuration"),
           CommandImage::kConfiguration, true);
  a.about = Make(parent, QCoreApplication::translate("FrameActions", "&About VQChannelEditor..."),
                 CommandImage::kAbout, true);
  return a;
}

}  // namespace vq
