#include "link/serial/transfer_texts.h"

#include "common/translated_format.h"

namespace vq::serial {

std::string ProgressText(Direction direction, int blocks, uint32_t total) {
  const long long percent = total == 0 ? 0 : static_cast<long long>(blocks) * 100 / total;
  return TranslatedFormat(direction == Direction::kDownload
                              ? VQ_TRANSLATE_NOOP("CoreText", "Loading ... (%lld%%)")
                              : VQ_TRANSLATE_NOOP("CoreText", "Saving ... (%lld%%)"),
                          percent);
}

}  // namespace vq::serial
