#pragma once
/// @file
/// Texts of the Qt-free layers as the window shows them: looked up in the
/// installed catalogues under the core texts' context.

#include <QString>
#include <string>

namespace vq {

/// Routes the Qt-free layers' TranslatedText() through the application's
/// installed catalogues. Safe to call more than once.
void InstallCoreTextTranslator();

/// A core (Latin-1) text for display, translated where a catalogue has it;
/// texts composed from translated patterns pass through unchanged.
QString CoreText(const std::string& text);

}  // namespace vq
