#include "vqtool/text_files.h"

#include "vqtool/settings_file.h"

namespace vq::tool {

bool ReadTextFile(const std::string& path, std::string& text, std::string& error) {
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(path, kListFileLimit, bytes, error)) return false;
  text.assign(bytes.begin(), bytes.end());
  return true;
}

bool WriteTextFile(const std::string& path, const std::string& text, std::string& error) {
  return WriteFileReplacing(path, std::vector<uint8_t>(text.begin(), text.end()), error);
}

void PrintLines(std::ostream& stream, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) stream << line << "\n";
}

}  // namespace vq::tool
