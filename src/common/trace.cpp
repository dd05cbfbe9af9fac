#include "common/trace.h"

#include <mutex>
#include <utility>

namespace vq {
namespace {

std::mutex& SinkMutex() {
  static std::mutex mutex;
  return mutex;
}

TraceSink& Sink() {
  static TraceSink sink;
  return sink;
}

}  // namespace

void SetTraceSink(TraceSink sink) {
  std::lock_guard lock(SinkMutex());
  Sink() = std::move(sink);
}

bool IsTraceOn() {
  std::lock_guard lock(SinkMutex());
  return static_cast<bool>(Sink());
}

void Trace(std::string_view line) {
  std::lock_guard lock(SinkMutex());
  if (Sink()) Sink()(line);
}

}  // namespace vq
