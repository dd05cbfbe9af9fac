// vqtool: the command-line face of the channel editor.
#include <iostream>
#include <string>
#include <vector>

#include "vqtool/tool.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  return vq::tool::RunTool(args, std::cout, std::cerr);
}
