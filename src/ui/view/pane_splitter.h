#pragma once
/// @file
/// The splitter between the main view's lists and the property pane.

#include <QSplitter>

namespace vq {

/// Holds the list page and the property pane side by side. The pane keeps
/// its width when the window is resized (the lists take the change); its
/// width is the user's last choice, or else just wide enough for the labels
/// of the panes shown so far, until the user drags the handle.
class PaneSplitter : public QSplitter {
  Q_OBJECT

 public:
  PaneSplitter(QWidget* list, QWidget* pane, QWidget* parent = nullptr);

  /// The width the pane takes when the splitter is first laid out, and
  /// keeps as long as the window allows; −1 or less: the default width.
  void SetPaneWidth(int width);
  /// The width the user chose by dragging (or that SetPaneWidth gave);
  /// −1 while the pane has its default width.
  int ChosenPaneWidth() const;
  /// The pane's width when nobody chose one: its minimum, widened as its
  /// labels need (WidenDefaultPane).
  int DefaultPaneWidth() const;
  /// The pane's content wants at least `width`: a pane at its default width
  /// grows to it, as far as the lists keep half of the room; a width the
  /// user chose stays.
  void WidenDefaultPane(int width);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ApplyPaneWidth();
  void SetPaneSize(int pane);

  QWidget* pane_;
  int wanted_ = -1;       ///< the width to apply at the next layout, or −1
  bool chosen_ = false;   ///< wanted_ or the handle's position is the user's
  bool applied_ = false;  ///< the first layout with a real width took place
  bool sizing_ = false;   ///< the splitter moves the handle itself
};

}  // namespace vq
