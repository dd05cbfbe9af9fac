#pragma once
/// @file
/// The application's style: the platform's own, with the overflow buttons of
/// the menu bar and the toolbar drawn like the program's other icons.

#include <QProxyStyle>

namespace vq {

/// Passes everything to the style Qt picked, except the icons of the
/// overflow (extension) buttons. Qt's own ones are image files, and reading
/// the first image file loads every image-format plug-in, which the window's
/// start otherwise never needs.
class ExtensionButtonStyle : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

/// Makes ExtensionButtonStyle the application's style; call before the first
/// window is built.
void InstallExtensionButtonStyle();

}  // namespace vq
