#pragma once
// Fails a widget test at once when a modal message box or dialog appears that
// the test did not expect, and closes it, so the test goes on to its next
// step instead of waiting for ctest's time-out. A test that means to run a
// modal declares it with an ExpectModal for as long as the modal may be up.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>

namespace vq::test {

inline int& ExpectedModals() {
  static int count = 0;
  return count;
}

/// While alive, modals are the test's own business.
class ExpectModal {
 public:
  ExpectModal() { ++ExpectedModals(); }
  ~ExpectModal() { --ExpectedModals(); }
  ExpectModal(const ExpectModal&) = delete;
  ExpectModal& operator=(const ExpectModal&) = delete;
};

inline int& AllowedProgress() {
  static int count = 0;
  return count;
}

/// While alive, a window-modal progress dialog may come up: it shows once
/// the work takes longer than its minimum duration, which depends on the
/// machine's load. Other modals are still reported.
class AllowProgress {
 public:
  AllowProgress() { ++AllowedProgress(); }
  ~AllowProgress() { --AllowedProgress(); }
  AllowProgress(const AllowProgress&) = delete;
  AllowProgress& operator=(const AllowProgress&) = delete;
};

/// What an unexpected modal says: its title and, for a message box, its text.
inline std::string DescribeModal(const QWidget* modal) {
  std::string text = modal->metaObject()->className();
  text += " \"" + modal->windowTitle().toStdString() + "\"";
  if (const auto* box = qobject_cast<const QMessageBox*>(modal))
    text += ": " + box->text().toStdString();
  return text;
}

/// Looks for an unexpected modal whenever the event loop runs (a modal runs
/// one of its own); reports and closes each one it finds. Call once after
/// the QApplication exists.
inline void InstallModalWatchdog() {
  auto* timer = new QTimer(qApp);
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || ExpectedModals() > 0) return;
    if (AllowedProgress() > 0 && qobject_cast<QProgressDialog*>(modal)) return;
    ADD_FAILURE() << "unexpected modal " << DescribeModal(modal);
    if (auto* dialog = qobject_cast<QDialog*>(modal))
      dialog->done(0);
    else
      modal->close();
  });
  timer->start();
}

}  // namespace vq::test
