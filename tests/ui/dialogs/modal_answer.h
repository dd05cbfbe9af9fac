#pragma once
// Answers the next modal message box or dialog from a timer, so a test can
// call code that runs one: records the box's text and presses a button.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <memory>

#include "support/modal_watchdog.h"

namespace vq::test {

/// Waits for a modal widget to appear, then hands it to `answer`. Until
/// then the modal is expected.
inline void AnswerNextModal(
    std::function<void(QWidget*)> answer, int triesLeft = 200,
    std::shared_ptr<ExpectModal> expected = std::make_shared<ExpectModal>()) {
  QTimer::singleShot(5, [answer = std::move(answer), triesLeft, expected]() mutable {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
      if (triesLeft > 0) AnswerNextModal(std::move(answer), triesLeft - 1, std::move(expected));
      return;
    }
    answer(modal);
  });
}

/// Waits for a modal of type T (others, such as a transfer's progress, come
/// and go meanwhile) and hands it to `answer`.
template <class T>
void AnswerModalOf(std::function<void(T*)> answer, int triesLeft = 4000,
                   std::shared_ptr<ExpectModal> expected = std::make_shared<ExpectModal>()) {
  QTimer::singleShot(5, [answer = std::move(answer), triesLeft, expected]() mutable {
    auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
    if (!modal) {
      if (triesLeft > 0) AnswerModalOf<T>(std::move(answer), triesLeft - 1, std::move(expected));
      return;
    }
    answer(modal);
  });
}

/// Records the next message box's text and presses `button` on it.
inline void AnswerNextMessage(QString* text, QMessageBox::StandardButton button = QMessageBox::Ok) {
  AnswerNextModal([text, button](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box) return;
    if (text) *text = box->text();
    if (QAbstractButton* b = box->button(button))
      b->click();
    else
      box->reject();
  });
}

}  // namespace vq::test
