#include "vqtool/command_line.h"

namespace vq::tool {

int FileError(std::ostream& err, std::string_view path, std::string_view message) {
  err << "vqtool: " << path << ": " << message << "\n";
  return kExitFailure;
}

}  // namespace vq::tool
