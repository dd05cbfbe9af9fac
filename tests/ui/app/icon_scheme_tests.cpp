// The painted icons in a light and a dark colour scheme: an icon must show
// about as much on a dark window as on a light one. The measure is rough (a
// dark stroke on a coloured fill counts as unseen on a dark window), hence
// two thirds; dark outlines without a rim leave a third to a half.

#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include "ui/app/frame/toolbar_icons.h"
#include "ui/view/list_images.h"

namespace vq::test {
namespace {

QPalette Scheme(const QColor& window, const QColor& text) {
  QPalette palette;
  for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
    palette.setColor(role, window);
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(role, text);
  return palette;
}

// `icon` drawn `side` logical pixels wide on a screen of `ratio` device pixels
// each, over `background`.
QImage Drawn(const QIcon& icon, int side, int ratio, const QColor& background) {
  QImage image(side * ratio, side * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(background);
  QPainter painter(&image);
  icon.paint(&painter, QRect(0, 0, side, side));
  return image;
}

// The pixels of `icon` (see Drawn) whose lightness differs clearly from the
// background's.
int VisiblePixels(const QIcon& icon, int side, int ratio, const QColor& background) {
  const QImage image = Drawn(icon, side, ratio, background);
  int visible = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      visible += std::abs(image.pixelColor(x, y).lightness() - background.lightness()) >= 48;
  return visible;
}

// Icon sizes in logical pixels, on screens of one and of two device pixels
// per logical pixel.
constexpr std::pair<int, int> kSizes[] = {{16, 1}, {32, 1}, {16, 2}, {24, 2}};

class IconScheme : public ::testing::Test {
 protected:
  // No icon theme, so the command images are the program's own drawings
  // whatever themes the machine has.
  void SetUp() override { QIcon::setThemeSearchPaths({}); }
  void TearDown() override {
    QApplication::setPalette(original_);
    QIcon::setThemeSearchPaths(themePaths_);
  }

  // Visible pixels on a light and on a dark scheme, each on its window colour.
  std::pair<int, int> LightAndDark(const QIcon& icon, int side, int ratio) {
    const QColor light(0xef, 0xef, 0xef), dark(0x2a, 0x2e, 0x32);
    QApplication::setPalette(Scheme(light, Qt::black));
    const int onLight = VisiblePixels(icon, side, ratio, light);
    QApplication::setPalette(Scheme(dark, QColor(0xfc, 0xfc, 0xfc)));
    const int onDark = VisiblePixels(icon, side, ratio, dark);
    QApplication::setPalette(original_);
    return {onLight, onDark};
  }

  const QPalette original_ = QApplication::palette();
  const QStringList themePaths_ = QIcon::themeSearchPaths();
};

TEST_F(IconScheme, ListImagesShowAsMuchOnADarkWindow) {
  for (int index = 0; index < kListImageCount; ++index) {
    for (const auto& [side, ratio] : kSizes) {
      const auto [onLight, onDark] = LightAndDark(ListIcon(index), side, ratio);
      EXPECT_GE(onDark * 3, onLight * 2) << "image " << index << " at " << side << "x" << ratio;
    }
  }
}

TEST_F(IconScheme, CommandImagesShowAsMuchOnADarkWindow) {
  for (int image = 0; image <= static_cast<int>(CommandImage::kFind); ++image) {
    for (const auto& [side, ratio] : kSizes) {
      const QIcon icon = CommandIcon(static_cast<CommandImage>(image));
      const auto [onLight, onDark] = LightAndDark(icon, side, ratio);
      EXPECT_GE(onDark * 3, onLight * 2)
          << "command image " << image << " at " << side << "x" << ratio;
    }
  }
}

TEST_F(IconScheme, ScaledScreensGetIconsDrawnAtTheirOwnResolution) {
  for (const bool dark : {false, true}) {
    const QColor window = dark ? QColor(0x2a, 0x2e, 0x32) : QColor(0xef, 0xef, 0xef);
    QApplication::setPalette(dark ? Scheme(window, Qt::white) : Scheme(window, Qt::black));
    for (int index = 0; index < kListImageCount; ++index) {
      const QImage scaled = Drawn(ListIcon(index), 16, 2, window);
      QImage large = Drawn(ListIcon(index), 32, 1, window);
      large.setDevicePixelRatio(2);
      EXPECT_TRUE(scaled == large) << "image " << index << (dark ? " dark" : " light");
    }
  }
}

}  // namespace
}  // namespace vq::test
