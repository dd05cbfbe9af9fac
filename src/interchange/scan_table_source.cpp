#include "interchange/scan_table_source.h"

namespace vq {

bool IsUrlSource(std::string_view source) {
  return source.starts_with("http://") || source.starts_with("https://");
}

}  // namespace vq
