#include "picturescale.h"

#include <QtMath>

namespace PictureScale {

namespace {

constexpr double MetresPerInch = 0.0254;
// Within this of the screen's resolution a picture keeps its pixels: a
// copy kept at the screen's resolution stores it rounded.
constexpr double Closeness = 0.95;
constexpr double A4Inches = (210 / 25.4) * (297 / 25.4);

int dotsPerMetre(int shownPixels, double metres)
{
    return qMax(1, qRound(shownPixels / metres));
}

} // namespace

Target forScreen(QSize pixels, QSize stored, double screenDpi, bool guessed)
{
    Target target;
    target.pixels = pixels;
    const bool none = stored.width() <= 0 || stored.height() <= 0;
    target.resolutionAssumed = none || guessed;
    const int assumed = qRound(AssumedDpi / MetresPerInch);
    const QSize source = none ? QSize(assumed, assumed) : stored;
    target.dotsPerMetre = source;
    if (pixels.isEmpty() || screenDpi <= 0)
        return target;
    double factorX = 1, factorY = 1;
    if (target.resolutionAssumed) {
        const double most = A4Inches * screenDpi * screenDpi;
        factorX = factorY = qMin(1.0, qSqrt(most / (double(pixels.width()) * pixels.height())));
    } else {
        factorX = qMin(1.0, screenDpi / (source.width() * MetresPerInch));
        factorY = qMin(1.0, screenDpi / (source.height() * MetresPerInch));
    }
    if (factorX >= Closeness && factorY >= Closeness)
        return target;
    target.pixels = QSize(qMax(1, qRound(pixels.width() * factorX)), qMax(1, qRound(pixels.height() * factorY)));
    target.dotsPerMetre = QSize(dotsPerMetre(target.pixels.width(), double(pixels.width()) / source.width()),
                                dotsPerMetre(target.pixels.height(), double(pixels.height()) / source.height()));
    return target;
}

Target forPage(QSizeF points, double dpi)
{
    Target target;
    target.pixels = (points * dpi / 72.0).toSize();
    if (target.pixels.isEmpty())
        return target;
    target.dotsPerMetre = QSize(dotsPerMetre(target.pixels.width(), points.width() / 72 * MetresPerInch),
                                dotsPerMetre(target.pixels.height(), points.height() / 72 * MetresPerInch));
    return target;
}

} // namespace PictureScale
