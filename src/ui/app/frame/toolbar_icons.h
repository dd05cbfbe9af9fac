#pragma once
/// @file
/// Images of the toolbar and menu commands.

#include <QIcon>

namespace vq {

enum class CommandImage {
  kNew,
  kOpen,
  kSave,
  kOpenCom,
  kSaveCom,
  kOpenUsb,
  kSaveUsb,
  kCopy,
  kCut,
  kPaste,
  kDeleteDataChannels,
  kDeleteEmptyTransponders,
  kUpdateFromInternet,
  kConfiguration,
  kAbout,
  kUndo,
  kRedo,
  kFind
};

/// The desktop theme's icon where the theme has one for the command, else
/// the program's own drawing.
QIcon CommandIcon(CommandImage image);

}  // namespace vq
