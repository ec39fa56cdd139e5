#include "contrast.h"

#include <algorithm>
#include <cmath>

namespace Contrast {

namespace {

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

/// A high-contrast theme pairs pure black and white (21:1); the ordinary
/// light themes stay below about 18.5:1 (Fusion's #efefef on black).
constexpr double HighContrast = 19.5;

} // namespace

double luminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double ratio(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readable(const QColor &colour, const QColor &background, double minimum)
{
    if (ratio(colour, background) >= minimum)
        return colour;
    // Towards black on a background that black reads better on than
    // white, towards white otherwise.
    const bool darken = ratio(Qt::black, background) >= ratio(Qt::white, background);
    const QColor hsl = colour.toHsl();
    const float hue = hsl.hslHueF(), saturation = hsl.hslSaturationF();
    const auto shade = [&](double lightness) {
        // Measured as it will be painted, eight bits a channel.
        const QColor c = QColor::fromHslF(hue, saturation, float(lightness), colour.alphaF());
        return QColor(c.red(), c.green(), c.blue(), c.alpha());
    };
    // The lightness nearest the colour's own that still reads: contrast
    // grows steadily as the lightness moves away from the background's.
    double near = hsl.lightnessF(), far = darken ? 0.0 : 1.0;
    if (ratio(shade(far), background) < minimum)
        return darken ? QColor(Qt::black) : QColor(Qt::white);
    for (int i = 0; i < 24; ++i) {
        const double middle = (near + far) / 2;
        (ratio(shade(middle), background) >= minimum ? far : near) = middle;
    }
    return shade(far);
}

bool isDefaultLight(const QColor &window, const QColor &windowText)
{
    return luminance(window) >= 0.5 && ratio(window, windowText) < HighContrast;
}

QColor shown(const QColor &colour, const QColor &background, const QColor &window, const QColor &windowText)
{
    return isDefaultLight(window, windowText) ? colour : readable(colour, background);
}

} // namespace Contrast
