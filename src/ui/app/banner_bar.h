#pragma once
/// @file
/// The banner beside the toolbar.

#include <QWidget>

namespace vq {

/// Shows the program's icon, name and version at the right end of the
/// toolbar row; both are links to the program's web page.
class BannerBar : public QWidget {
  Q_OBJECT

 public:
  explicit BannerBar(QWidget* parent = nullptr);
};

/// The program's own icon (window icon and banner).
QIcon ProgramIcon();

}  // namespace vq
