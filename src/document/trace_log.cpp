#include "document/trace_log.h"

#include <cstdio>
#include <ctime>

#include "common/trace.h"

namespace vq {

void EnableTraceLog(const std::string& path) {
  if (path.empty()) {
    DisableTraceLog();
    return;
  }
  SetTraceSink([path](std::string_view line) {
    // Opened and closed per line, so the log is complete even after a crash.
    std::FILE* file = std::fopen(path.c_str(), "a");
    if (!file) return;
    char stamp[16] = "";
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local)) std::strftime(stamp, sizeof stamp, "%H:%M:%S", &local);
    std::fprintf(file, "%s - %.*s\n", stamp, static_cast<int>(line.size()), line.data());
    std::fclose(file);
  });
}

void DisableTraceLog() { SetTraceSink({}); }

}  // namespace vq
