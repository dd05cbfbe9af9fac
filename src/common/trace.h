#pragma once
// The trace log: one shared function that appends a time-stamped line when
// tracing is on. The core only emits lines; whoever turns tracing on (the
// document, the command-line tool) installs the sink that writes them.

#include <functional>
#include <string_view>

namespace vq {

using TraceSink = std::function<void(std::string_view line)>;

// Installs the sink (an empty function turns tracing off).
void SetTraceSink(TraceSink sink);

bool IsTraceOn();

// Hands `line` to the sink when tracing is on.
void Trace(std::string_view line);

}  // namespace vq
