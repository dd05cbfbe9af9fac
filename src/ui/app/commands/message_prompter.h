#pragma once
/// @file
/// The document's questions and messages shown as message boxes.

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include "document/qt/document_prompter.h"

namespace vq {

/// Shows the document's texts in modal message boxes over the main window,
/// captioned with the program's name, and asks for paths with file dialogs.
class MessagePrompter : public DocumentPrompter {
 public:
  /// The window the boxes are centred on; may be set after construction.
  void SetParent(QWidget* parent) { parent_ = parent; }

  void Tell(const QString& text, Icon icon) override;
  bool AskYesNo(const QString& text) override;
  Answer AskYesNoCancel(const QString& text) override;
  QString AskSavePath(const QString& suggested) override;

 private:
  QPointer<QWidget> parent_;
};

/// The program's name as shown in captions and the title bar.
inline constexpr const char* kProgramTitle = "VQChannelEditor v0.65 beta";
/// The filter of the open and save dialogs.
inline constexpr const char* kSettingsFilter =
    QT_TRANSLATE_NOOP("FileDialogs", "Settings Files (*.bin)");

}  // namespace vq
