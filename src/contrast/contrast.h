#pragma once

#include <QColor>

/// Contrast of text on its background as the web's accessibility guidelines
/// (WCAG 2) measure it, and colours moved just enough to be read.
namespace Contrast {

/// The minimum for ordinary text.
inline constexpr double Minimum = 4.5;

/// Relative luminance, 0 for black to 1 for white, of the sRGB colour.
double luminance(const QColor &colour);

/// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on
/// white; the same whichever way round.
double ratio(const QColor &a, const QColor &b);

/// \a colour itself when it reaches \a minimum on \a background; otherwise
/// the colour of the same hue and saturation, darker on a light background
/// and lighter on a dark one, nearest to it that does; black or white when
/// no shade of that hue does.
QColor readable(const QColor &colour, const QColor &background, double minimum = Minimum);

/// Whether a theme is the ordinary light one that the program's colours
/// were chosen on, told by its window colour and window text colour: a
/// light window, and not the pure black on pure white of a high-contrast
/// theme.
bool isDefaultLight(const QColor &window, const QColor &windowText);

/// What a fixed text colour becomes on \a background under a theme whose
/// window and text colours are \a window and \a windowText: itself on the
/// default light theme, else readable().
QColor shown(const QColor &colour, const QColor &background, const QColor &window, const QColor &windowText);

} // namespace Contrast
