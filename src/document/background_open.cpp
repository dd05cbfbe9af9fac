#include "document/background_open.h"

#include <optional>
#include <utility>
#include <vector>

namespace vq {

BackgroundOpen::BackgroundOpen(std::string path, SettingsDatabase::Clock clock,
                               FileSystem& files)
    : path_(std::move(path)), file_(files) {
  worker_ = std::thread([this, clock = std::move(clock)]() mutable { Run(std::move(clock)); });
}

BackgroundOpen::~BackgroundOpen() {
  if (worker_.joinable()) worker_.join();
}

// The steps of the document's open that need no answer from the user: a
// file of an image's size, writable and not locked by another holder, whose
// image decodes.
void BackgroundOpen::Run(SettingsDatabase::Clock clock) {
  const std::optional<uint64_t> size = QueryFileSize(path_);
  if (!size || ModelForFileSize(*size) == kModelNone || !file_.OpenForWriting(path_)) return;
  std::vector<uint8_t> image;
  if (file_.ReadImage(image) == SettingsFile::ReadStatus::kRead) {
    decoded_ = std::make_unique<SettingsDatabase>(std::move(clock));
    decoded_->ResetToDefaults(ModelForFileSize(image.size()), false);
    ready_ = decoded_->LoadImage(image);
  }
  if (!ready_) file_.Close();
}

bool BackgroundOpen::Take(SettingsFile& file, SettingsDatabase& into) {
  if (worker_.joinable()) worker_.join();
  if (!ready_) return false;
  ready_ = false;
  file = std::move(file_);
  into.SwapContent(*decoded_);
  decoded_.reset();
  return true;
}

}  // namespace vq
