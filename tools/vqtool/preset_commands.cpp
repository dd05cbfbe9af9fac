#include "vqtool/preset_commands.h"

#include <string>

#include "editing/preset/preset_file.h"
#include "editing/preset/preset_format.h"
#include "vqtool/command_line.h"
#include "vqtool/model_text.h"
#include "vqtool/settings_file.h"

namespace vq::tool {
namespace {

// "File open failed!" with the system's reason behind it.
int OpenFailed(std::ostream& err, const std::string& path, const std::string& reason) {
  return FileError(err, path, std::string(kPresetFileOpenFailedText) + " (" + reason + ")");
}

}  // namespace

int RunExportPreset(const Args& args, std::ostream& out, std::ostream& err) {
  constexpr std::string_view kUsage = "vqtool export-preset SETTINGS PRESET";
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(args, {}, {}, line, error)) return UsageError(err, error, kUsage);
  if (line.positional.size() != 2)
    return UsageError(err, "export-preset needs SETTINGS and PRESET", kUsage);
  const std::string& settings = line.positional[0];
  const std::string& target = line.positional[1];

  SettingsDatabase db;
  if (!LoadSettingsFile(settings, db, error)) return FileError(err, settings, error);
  std::vector<uint8_t> file;
  const PresetExportResult result = ExportPreset(db, file);
  if (!result.Ok()) return FileError(err, settings, result.Message());
  if (!WriteFileReplacing(target, file, error)) return OpenFailed(err, target, error);
  out << "Saved " << target << " (preset of " << ModelText(db.GetModel()) << ", "
      << db.GetTransponderTotal() << " transponders)\n";
  return kExitOk;
}

int RunImportPreset(const Args& args, std::ostream& out, std::ostream& err) {
  constexpr std::string_view kUsage = "vqtool import-preset PRESET SETTINGS";
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(args, {}, {}, line, error)) return UsageError(err, error, kUsage);
  if (line.positional.size() != 2)
    return UsageError(err, "import-preset needs PRESET and SETTINGS", kUsage);
  const std::string& source = line.positional[0];
  const std::string& target = line.positional[1];

  std::vector<uint8_t> file;
  if (!ReadWholeFile(source, preset::kFileSize, file, error))
    return OpenFailed(err, source, error);
  PresetContent content;
  const PresetImportResult read = ReadPresetFile(file, content);
  if (!read.Ok()) return FileError(err, source, read.Message());

  SettingsDatabase db;
  const PresetImportResult imported = ImportPreset(content, db);
  if (!SaveSettingsFile(target, db, error)) return FileError(err, target, error);
  out << "Saved " << target << " (" << ModelText(db.GetModel()) << ", "
      << db.GetTransponderTotal() << " transponders from " << source << ")\n";
  if (!imported.Ok()) return FileError(err, source, imported.Message());
  return kExitOk;
}

}  // namespace vq::tool
