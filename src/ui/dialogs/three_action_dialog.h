#pragma once
/// @file
/// ThreeActionDialog: a message with three buttons captioned by the caller.

#include <QDialog>

class QPushButton;

namespace vq {

/// Shows a message and three buttons in one row. Result(): 1, 2 or 3 for the
/// left, middle or right button; 0 when closed otherwise (Escape, close box).
class ThreeActionDialog : public QDialog {
  Q_OBJECT

 public:
  ThreeActionDialog(const QString& message, const QString& title, const QString& left,
                    const QString& middle, const QString& right, QWidget* parent = nullptr);
  int Result() const { return result_; }
  QPushButton* Button(int which) const;

 private:
  QPushButton* buttons_[3]{};
  int result_ = 0;
};

}  // namespace vq
