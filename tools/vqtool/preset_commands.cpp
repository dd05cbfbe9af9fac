// The preset commands: export-preset writes the preset file of a settings
// file; import-preset writes a new settings file of the preset's model
// holding the imported preset. A preset with more transponders than fit is
// still saved, with the failure message and exit code 1.
#include <string>

#include "editing/preset/preset_file.h"
#include "editing/preset/preset_format.h"
#include "vqtool/commands.h"
#include "vqtool/model_text.h"
#include "vqtool/settings_file.h"

namespace vq::tool {
namespace {

// "File open failed!" with the system's reason behind it.
int OpenFailed(std::ostream& err, const std::string& path, const std::string& reason) {
  return FileError(err, path, std::string(kPresetFileOpenFailedText) + " (" + reason + ")");
}

// The file read and the file written.
struct PresetOptions {
  std::string source;
  std::string target;
};

int RunExportPreset(const PresetOptions& options, std::ostream& out, std::ostream& err) {
  const std::string& settings = options.source;
  const std::string& target = options.target;
  std::string error;
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

int RunImportPreset(const PresetOptions& options, std::ostream& out, std::ostream& err) {
  const std::string& source = options.source;
  const std::string& target = options.target;
  std::string error;
  std::vector<uint8_t> file;
  if (!ReadWholeFile(source, preset::kFileSize, file, error)) return OpenFailed(err, source, error);
  PresetContent content;
  const PresetImportResult read = ReadPresetFile(file, content);
  if (!read.Ok()) return FileError(err, source, read.Message());

  SettingsDatabase db;
  const PresetImportResult imported = ImportPreset(content, db);
  if (!SaveSettingsFile(target, db, error)) return FileError(err, target, error);
  out << "Saved " << target << " (" << ModelText(db.GetModel()) << ", " << db.GetTransponderTotal()
      << " transponders from " << source << ")\n";
  if (!imported.Ok()) return FileError(err, source, imported.Message());
  return kExitOk;
}

}  // namespace

void AddExportPresetCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command =
      AddCommand(app, "export-preset", "SETTINGS PRESET", "the preset file of a settings file");
  PresetOptions& options = OnRun(command, context, RunExportPreset);
  command.add_option("SETTINGS", options.source, "the settings file")->required();
  command.add_option("PRESET", options.target, "the preset file to write")->required();
}

void AddImportPresetCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command =
      AddCommand(app, "import-preset", "PRESET SETTINGS", "a new settings file holding a preset");
  PresetOptions& options = OnRun(command, context, RunImportPreset);
  command.add_option("PRESET", options.source, "the preset file")->required();
  command.add_option("SETTINGS", options.target, "the settings file to write")->required();
}

}  // namespace vq::tool
