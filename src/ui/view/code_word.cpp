#include "ui/view/code_word.h"

namespace vq {

bool CodeWordMatcher::Feed(char letter) {
  typed_.push_back(letter);
  if (word_.compare(0, typed_.size(), typed_) != 0) {
    typed_.clear();
    return false;
  }
  if (typed_.size() < word_.size()) return false;
  typed_.clear();
  return true;
}

}  // namespace vq
