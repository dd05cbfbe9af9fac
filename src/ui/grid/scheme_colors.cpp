#include "ui/grid/scheme_colors.h"

#include <QPalette>
#include <algorithm>
#include <cmath>

namespace vq::SchemeColors {
namespace {

QColor fromRgb(std::uint32_t value) { return QColor::fromRgb(static_cast<QRgb>(value | 0xFF000000u)); }

double channelLuminance(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& color)
{
    const QColor c = color.toRgb();
    return 0.2126 * channelLuminance(c.red()) + 0.7152 * channelLuminance(c.green())
        + 0.0722 * channelLuminance(c.blue());
}

QColor blend(const QColor& from, const QColor& to, double share)
{
    const auto mix = [share](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * share)); };
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    return {mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue())};
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < palette.color(QPalette::WindowText).lightness();
}

QColor readableOn(const QColor& ink, const QColor& background, double floor)
{
    if (contrastRatio(ink, background) >= floor)
        return ink;
    const QColor end = contrastRatio(Qt::black, background) >= contrastRatio(Qt::white, background)
        ? QColor(Qt::black)
        : QColor(Qt::white);
    // The first step toward the end that reads; the end itself is the best there is.
    for (int step = 1; step < 20; ++step) {
        const QColor candidate = blend(ink, end, step / 20.0);
        if (contrastRatio(candidate, background) >= floor)
            return candidate;
    }
    return end;
}

QColor background(const QPalette& palette, std::uint32_t rgb)
{
    const QColor stored = fromRgb(rgb);
    if (!isDark(palette))
        return stored;
    const QColor base = palette.color(QPalette::Base);
    if ((rgb & 0xFFFFFFu) == kDefaultBackground)
        return base;
    // Keep the hue as a tint of Base, dark enough for the scheme's text.
    const QColor ink = palette.color(QPalette::Text);
    for (int step = 12; step < 20; ++step) {
        const QColor tint = blend(stored, base, step / 20.0);
        if (contrastRatio(ink, tint) >= kTextContrast)
            return tint;
    }
    return base;
}

QColor text(const QPalette& palette, std::uint32_t rgb, const QColor& background)
{
    const bool plain = (rgb & 0xFFFFFFu) == kDefaultText;
    const QColor ink = plain && isDark(palette) ? palette.color(QPalette::Text) : fromRgb(rgb);
    return readableOn(ink, background, kTextContrast);
}

QColor disabledText(const QPalette& palette, const QColor& background)
{
    return readableOn(palette.color(QPalette::Disabled, QPalette::Text), background, kDisabledContrast);
}

} // namespace vq::SchemeColors
