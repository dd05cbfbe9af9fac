#include "database/local_date_time.h"

#include <ctime>

namespace vq {

LocalDateTime CurrentLocalDateTime() {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
  if (localtime_r(&now, &parts) == nullptr) return {1900, 1, 1, 0, 0, 1};
  LocalDateTime result{};
  result.year = parts.tm_year + 1900;
  result.month = parts.tm_mon + 1;
  result.day = parts.tm_mday;
  result.hour = parts.tm_hour;
  result.minute = parts.tm_min;
  // tm_wday counts from Sunday = 0; the receiver counts Monday = 1 .. Sunday = 7.
  result.dayOfWeek = parts.tm_wday == 0 ? 7 : parts.tm_wday;
  return result;
}

}  // namespace vq
