#pragma once
// What the document needs from the user: messages, questions and a file name.
// The window implements it with message boxes and a file dialog; tests script
// the answers.

#include <QString>

namespace vq {

/// Modal questions and messages the document shows. Texts are final and
/// shown as given; the window chooses the caption (its application title).
class DocumentPrompter {
 public:
  enum class Icon { kError, kWarning, kInformation };
  enum class Answer { kYes, kNo, kCancel };

  virtual ~DocumentPrompter() = default;

  /// A message with an OK button.
  virtual void Tell(const QString& text, Icon icon) = 0;
  /// A question with Yes and No buttons (question icon); true for Yes.
  virtual bool AskYesNo(const QString& text) = 0;
  /// A question with Yes, No and Cancel buttons (warning icon).
  virtual Answer AskYesNoCancel(const QString& text) = 0;
  /// A "Save As" file dialog starting at `suggested`; empty when cancelled.
  /// The name is final: the dialog adds the ".bin" extension to a name
  /// without one before it asks whether to replace an existing file.
  virtual QString AskSavePath(const QString& suggested) = 0;
};

}  // namespace vq
