#pragma once

#include <QSize>

/// The size a picture is decoded at. The window shows the paper at 96
/// pixels an inch, times the screen's pixel ratio: a 600 dpi scan holds
/// forty times the pixels it can show, and decoding only what it shows
/// keeps the window's memory at a few megabytes whatever the scan.
namespace PictureScale {

/// Scanners that write no resolution nearly always scan at this one.
constexpr int AssumedDpi = 300;

/// The window's own resolution: true scale at 96 pixels an inch.
constexpr double ScreenDpi = 96;

/// What the decoder is to produce: the pixels, and the dots per metre
/// that keep the paper's size (the rounding of the pixels included).
struct Target
{
    QSize pixels;
    QSize dotsPerMetre;
    bool resolutionAssumed = false;
};

/// For a picture of \a pixels storing \a dotsPerMetre ((0, 0) when none:
/// AssumedDpi then), shown at \a screenDpi. A picture no sharper than the
/// screen keeps its pixels. One whose resolution is a guess (none stored,
/// or \a guessed: a copy of such a picture) keeps as many as A4 has at the
/// screen's resolution, since the user may yet give it a smaller width.
Target forScreen(QSize pixels, QSize dotsPerMetre, double screenDpi, bool guessed = false);

/// The pixels of a paper of \a points (1/72 inch) at \a dpi, and the dots
/// per metre that give back its size.
Target forPage(QSizeF points, double dpi);

} // namespace PictureScale
