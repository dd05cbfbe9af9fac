#pragma once
/// @file
/// Watches a widget for a code word typed with Ctrl and Alt held.

#include <QObject>

#include "ui/view/code_word.h"

namespace vq {

/// Feeds letter keys pressed with Ctrl and Alt held (upper case with Shift)
/// to a CodeWordMatcher and reports when the whole word has been typed.
/// Keys without both modifiers pass through untouched.
class CodeWordFilter : public QObject {
  Q_OBJECT

 public:
  CodeWordFilter(std::string_view word, QObject* parent = nullptr);

 signals:
  void matched();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  CodeWordMatcher matcher_;
};

}  // namespace vq
