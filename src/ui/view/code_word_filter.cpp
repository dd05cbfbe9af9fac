#include "ui/view/code_word_filter.h"

#include <QKeyEvent>

namespace vq {

CodeWordFilter::CodeWordFilter(std::string_view word, QObject* parent)
    : QObject(parent), matcher_(word) {}

bool CodeWordFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const Qt::KeyboardModifiers mods = key->modifiers();
  if (!(mods & Qt::ControlModifier) || !(mods & Qt::AltModifier) || key->key() < Qt::Key_A ||
      key->key() > Qt::Key_Z)
    return QObject::eventFilter(watched, event);
  const char base = (mods & Qt::ShiftModifier) ? 'A' : 'a';
  if (matcher_.Feed(static_cast<char>(base + (key->key() - Qt::Key_A)))) emit matched();
  return true;
}

}  // namespace vq
