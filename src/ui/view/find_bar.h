#pragma once
/// @file
/// The find bar over the list of the current tab.

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace vq {

/// A search field with Previous, Next, "Select all matches", a result text
/// and a close button. It only collects what the user asks for; the view
/// searches its list and tells the result back. The bar starts hidden and
/// empty: its widgets are made when it is first opened or asked for.
class FindBar : public QWidget {
  Q_OBJECT

 public:
  explicit FindBar(QWidget* parent = nullptr);

  /// Shows the bar with the search text selected and focused.
  void Open();
  QString Text() const;
  /// Puts the outcome of the last search beside the buttons.
  void SetResult(const QString& text);
  QString Result() const;

  QLineEdit* Field() const { return Built().field; }
  QToolButton* PreviousButton() const { return Built().previous; }
  QToolButton* NextButton() const { return Built().next; }
  QPushButton* SelectAllButton() const { return Built().selectAll; }
  QToolButton* CloseButton() const { return Built().close; }

 signals:
  /// The text changed by typing: search again from the current row.
  void textEdited(const QString& text);
  /// Enter, Next or F3 (forward) and Shift+Enter or Previous (backwards).
  void nextWanted(bool backwards);
  void selectAllWanted();
  /// The bar was closed (Escape or the close button).
  void closed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  /// The buttons get the style's icons when the bar is first shown: reading
  /// them costs the start-up time, and the bar starts hidden.
  void showEvent(QShowEvent* event) override;

 private:
  struct Parts {
    QLineEdit* field = nullptr;
    QToolButton* previous = nullptr;
    QToolButton* next = nullptr;
    QPushButton* selectAll = nullptr;
    QLabel* result = nullptr;
    QToolButton* close = nullptr;
  };
  // The widgets, made on first use: a window that never searches does not
  // pay for them.
  const Parts& Built() const;
  void Build();
  void Close();

  Parts parts_;
};

}  // namespace vq
