#pragma once

#include <QColor>
#include <cstdint>

class QPalette;

/// Turns the colours the grid's owner stores (RGB values meant for a light
/// window) into the colours drawn under the palette in use. A light palette
/// gets them exactly; a dark one gets Base and Text for the default white and
/// black, and a dark counterpart of any other background. Every text is then
/// held at the contrast floor of WCAG 2 against its background.
namespace vq::SchemeColors {

constexpr std::uint32_t kDefaultBackground = 0xFFFFFF;
constexpr std::uint32_t kDefaultText = 0x000000;
/// Least contrast of a text, and of a greyed (disabled) text.
constexpr double kTextContrast = 4.5;
constexpr double kDisabledContrast = 3.0;

/// Contrast ratio of two opaque colours by WCAG 2: 1 (equal) to 21.
double contrastRatio(const QColor& a, const QColor& b);
/// True when the palette puts light text on a darker window.
bool isDark(const QPalette& palette);
/// `ink` itself when it reads at `floor` on `background`, else the nearest
/// colour on its way toward black or white (whichever reads better) that does.
QColor readableOn(const QColor& ink, const QColor& background, double floor);
/// The background a cell stored as `rgb` is drawn on.
QColor background(const QPalette& palette, std::uint32_t rgb);
/// The colour of an enabled cell's text stored as `rgb`, on `background`.
QColor text(const QPalette& palette, std::uint32_t rgb, const QColor& background);
/// The colour of a disabled cell's text on `background`.
QColor disabledText(const QPalette& palette, const QColor& background);

} // namespace vq::SchemeColors
