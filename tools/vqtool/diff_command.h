#pragma once
// `vqtool diff A B [--json]`: the differences between two settings files.

#include <ostream>
#include <string>

namespace vq::tool {

struct DiffOptions {
  std::string a;
  std::string b;
  bool json = false;
};

// Exit code 0 when the files are equal, 1 when they differ, 2 when one
// cannot be read.
int DiffFiles(const DiffOptions& options, std::ostream& out, std::ostream& err);

}  // namespace vq::tool
