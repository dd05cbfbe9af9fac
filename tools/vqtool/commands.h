#pragma once
// The tool's commands, one registration function each (see command.h).
// A command's run writes its results to `out` and its complaints to `err`
// and returns the exit code: 0 done, 1 a file could not be read or written.

#include <CLI/CLI.hpp>

#include "vqtool/command.h"

namespace vq::tool {

void AddInfoCommand(CLI::App& app, ToolContext& context);
void AddDumpCommand(CLI::App& app, ToolContext& context);
void AddDiffCommand(CLI::App& app, ToolContext& context);
void AddBackupsCommand(CLI::App& app, ToolContext& context);
void AddCheckCommand(CLI::App& app, ToolContext& context);
void AddResaveCommand(CLI::App& app, ToolContext& context);
void AddNewCommand(CLI::App& app, ToolContext& context);
void AddConvertCommand(CLI::App& app, ToolContext& context);
void AddDemoCommand(CLI::App& app, ToolContext& context);
void AddFindCommand(CLI::App& app, ToolContext& context);
void AddExportPresetCommand(CLI::App& app, ToolContext& context);
void AddImportPresetCommand(CLI::App& app, ToolContext& context);
void AddImportVdrCommand(CLI::App& app, ToolContext& context);
void AddImportScanTableCommand(CLI::App& app, ToolContext& context);
void AddExportVdrCommand(CLI::App& app, ToolContext& context);
void AddExportCsvCommand(CLI::App& app, ToolContext& context);
void AddOrderLikeCommand(CLI::App& app, ToolContext& context);
void AddUpdateTranspondersCommand(CLI::App& app, ToolContext& context);
void AddDuplicatesCommand(CLI::App& app, ToolContext& context);
void AddDedupeCommand(CLI::App& app, ToolContext& context);
void AddSortCommand(CLI::App& app, ToolContext& context);
void AddRenameCommand(CLI::App& app, ToolContext& context);
void AddSerialDownloadCommand(CLI::App& app, ToolContext& context);
void AddSerialUploadCommand(CLI::App& app, ToolContext& context);
void AddUsbDownloadCommand(CLI::App& app, ToolContext& context);
void AddUsbUploadCommand(CLI::App& app, ToolContext& context);

}  // namespace vq::tool
