#pragma once
/// @file
/// The commands of the main window's menus and toolbar.

class QAction;
class QObject;

namespace vq {

/// Every command of the main frame, with its menu text, shortcuts and
/// image. Commands whose work arrives with later parts of the program are
/// created disabled; "Open from COM" and "Save to COM" stay disabled unless
/// the editor configuration enables them, the USB, preset and list commands
/// are enabled once the frame wires them.
struct FrameActions {
  QAction* newFile;
  QAction* open;
  QAction* save;
  QAction* saveAs;
  QAction* openCom;
  QAction* saveCom;
  QAction* openUsb;
  QAction* saveUsb;
  QAction* exportPreset;
  QAction* exportVdrChannels;
  QAction* exportCsv;
  QAction* importPreset;
  QAction* importVdrChannels;
  QAction* importScanTable;
  QAction* orderLikeList;
  QAction* exit;
  QAction* undo;
  QAction* redo;
  QAction* find;
  QAction* findNext;
  QAction* findPrevious;
  QAction* cut;
  QAction* copy;
  QAction* paste;
  QAction* statusBar;
  QAction* deleteDataChannels;
  QAction* deleteEmptyTransponders;
  QAction* updateFromInternet;
  QAction* configuration;
  QAction* about;
};

/// Creates the commands as children of `parent`.
FrameActions CreateFrameActions(QObject* parent);

}  // namespace vq
