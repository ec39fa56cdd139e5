#pragma once

#include <QFont>
#include <QRect>

/// The windows are designed in twips, at 15 twips a logical pixel as on
/// the screens they were drawn for.
namespace Twips {

/// Twips to logical pixels, rounded to the nearest pixel so that edges
/// designed to meet still do.
constexpr int toPixels(int twips) { return (twips + 7) / 15; }

/// A control's left, top, width and height in twips, as pixels.
QRect rect(int left, int top, int width, int height);

/// A font of the design: family, size in points, bold or not.
QFont font(const QString &family, qreal points, bool bold);

} // namespace Twips
