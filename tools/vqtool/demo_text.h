#pragma once
// The demo description compiled into the tool.

#include <string_view>

namespace vq::tool {

// The text of data/demo/demo.txt as it was when the tool was built.
std::string_view BundledDemoDescription();

}  // namespace vq::tool
