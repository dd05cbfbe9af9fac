#pragma once
// Text files of the interchange commands: read whole (bounded) and written
// under a temporary name, and summaries printed line by line.

#include <ostream>
#include <string>
#include <vector>

#include "interchange/channel_list.h"

namespace vq::tool {

bool ReadTextFile(const std::string& path, std::string& text, std::string& error);
bool WriteTextFile(const std::string& path, const std::string& text, std::string& error);

void PrintLines(std::ostream& stream, const std::vector<std::string>& lines);

}  // namespace vq::tool
