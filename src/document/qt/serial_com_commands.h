#pragma once
// Open from COM and Save to COM: the document's serial receiver commands.
// Their menu items are enabled only when the editor configuration asks for
// them; the window, tests and tools call them.

#include <QString>
#include <functional>

#include "document/qt/vq_channel_editor_doc.h"

namespace vq {

/// What a serial transfer came to: the dialog's success flag and its last
/// status text.
struct SerialTransferOutcome {
  bool success = false;
  QString status;
};

/// Runs the serial transfer dialog: direction 0 reads the receiver's image
/// into the file at the path, 1 writes the file into the receiver.
using SerialTransferRunner = std::function<SerialTransferOutcome(int direction, const QString& path)>;
/// Sets the status-bar message text.
using StatusMessage = std::function<void(const QString& text)>;

/// The commands' status tips in the user's language.
QString SerialOpenPrompt();
QString SerialSavePrompt();

/// Reads an image from the receiver into a temporary file and, once it
/// decodes in a scratch database, into the document. The document is left
/// untouched on every failure; the temporary file is gone on every path.
void OnFileOpenFromCom(CVQChannelEditorDoc& doc, DocumentPrompter& prompter,
                       const SerialTransferRunner& run, const StatusMessage& status);

/// Writes the image of the document's current model (499712 bytes for
/// model 0) into the receiver through a temporary file.
void OnFileSaveToCom(CVQChannelEditorDoc& doc, DocumentPrompter& prompter,
                     const SerialTransferRunner& run, const StatusMessage& status);

}  // namespace vq
