#pragma once
// `vqtool dump`: a whole settings file as JSON or as lines of text.

#include <ostream>
#include <string>

namespace vq::tool {

struct DumpOptions {
  std::string path;
  bool text = false;  // lines of text; JSON otherwise
};

int DumpFile(const DumpOptions& options, std::ostream& out, std::ostream& err);

}  // namespace vq::tool
