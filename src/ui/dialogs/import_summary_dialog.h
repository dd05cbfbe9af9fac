#pragma once
/// @file
/// What an import from another list did, shown after it ran.

#include <QDialog>
#include <QString>
#include <QStringList>

class QLabel;
class QPlainTextEdit;

namespace vq {

/// A heading (with a warning icon when the import stopped early) above the
/// summary lines in a read-only text that takes the focus, so the keyboard
/// and a screen reader can walk through every line; OK closes it.
class ImportSummaryDialog : public QDialog {
  Q_OBJECT

 public:
  ImportSummaryDialog(const QString& title, const QString& heading, bool warning,
                      const QStringList& lines, QWidget* parent = nullptr);

  QString Heading() const;
  QString Text() const;
  QPlainTextEdit* TextView() const { return text_; }

 private:
  QLabel* heading_;
  QPlainTextEdit* text_;
};

}  // namespace vq
