#pragma once
// Transfers over the serial line: serial-download and serial-upload.

#include "vqtool/commands.h"

namespace vq::tool {

int RunSerialDownload(const Args& args, std::ostream& out, std::ostream& err);
int RunSerialUpload(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace vq::tool
