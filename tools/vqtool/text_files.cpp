#include "vqtool/text_files.h"

#include "vqtool/settings_file.h"
#include "vqtool/terminal_text.h"

namespace vq::tool {

bool ReadTextFile(const std::string& path, std::string& text, std::string& error) {
  return ReadWholeFile(path, kListFileLimit, text, error);
}

bool WriteTextFile(const std::string& path, const std::string& text, std::string& error) {
  return WriteFileReplacing(path, std::vector<uint8_t>(text.begin(), text.end()), error);
}

void PrintLines(std::ostream& stream, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) stream << TerminalText(line, true) << "\n";
}

}  // namespace vq::tool
