#pragma once
/// @file
/// Messages of the Qt-free layers as the document shows them: their marked
/// texts in the user's language, the system's error texts as they are.

#include <QString>
#include <string>

namespace vq {

/// `text` is either a marked core text (Latin-1, shown translated where the
/// catalogue has it) or a system error text in the locale's encoding.
QString CoreOrSystemText(const std::string& text);

/// A settings file's save error: the system's reason as it is, the file's
/// own texts and the note on the previous contents translated.
QString SaveErrorText(const std::string& error);

}  // namespace vq
