#pragma once
// The preset commands: export-preset and import-preset. Same contract as
// the other commands (see commands.h).

#include "vqtool/commands.h"

namespace vq::tool {

/// export-preset SETTINGS PRESET: writes the preset file of a settings file.
int RunExportPreset(const Args& args, std::ostream& out, std::ostream& err);

/// import-preset PRESET SETTINGS: writes a new settings file of the preset's
/// model holding the imported preset. A preset with more transponders than
/// fit is still saved, with the failure message and exit code 1.
int RunImportPreset(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace vq::tool
