#pragma once
/// @file
/// The banner beside the toolbar.

#include <QWidget>

namespace vq {

class CHyperLink;

/// Shows the program's icon, name and version at the right end of the
/// toolbar row; both are links to the program's web page.
class BannerBar : public QWidget {
  Q_OBJECT

 public:
  explicit BannerBar(QWidget* parent = nullptr);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  /// Writes name and version, the version greyed as far as stays readable
  /// on the window's colour.
  void WriteName();

  CHyperLink* name_;
};

/// The program's own icon (window icon and banner).
QIcon ProgramIcon();

}  // namespace vq
