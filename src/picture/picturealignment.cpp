#include "picturealignment.h"

#include "folders.h"
#include "numbertext.h"
#include "textfile.h"

#include <QStringList>

#include <cmath>

namespace {

constexpr double TwipsPerMm = 1440 / 25.4;
constexpr double MetresPerInch = 0.0254;

// The value of a line, or nothing when it holds none within bounds.
bool number(const QStringList &lines, int index, double low, double high, double *value)
{
    float read = 0;
    if (index >= lines.size() || !NumberText::toSingle(lines.at(index), &read) || !std::isfinite(read) || read < low
        || read > high)
        return false;
    *value = read;
    return true;
}

QString text(double value)
{
    // Shortest form that reads back the same single-precision value.
    return QString::number(double(float(value)), 'g', 7).replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace

namespace PictureAlignmentFile {

QString fileName(const QString &dataFolder, qint32 idBanca)
{
    const QString id = idBanca > 0 ? QString::number(idBanca) : QString();
    return dataFolder + QLatin1String("/Quendra") + id + QLatin1String(".immagine.ini");
}

PictureAlignment read(const QString &file)
{
    PictureAlignment alignment;
    QStringList lines;
    if (!TextFile::readLines(Folders::findAnyCase(file), &lines, 4))
        return alignment;
    number(lines, 0, -MostMm, MostMm, &alignment.offsetXMm);
    number(lines, 1, -MostMm, MostMm, &alignment.offsetYMm);
    double turn = 0;
    if (number(lines, 2, 0, 270, &turn) && std::fmod(turn, 90) == 0)
        alignment.turnDegrees = int(turn);
    number(lines, 3, 0, MostMm, &alignment.widthMm);
    return alignment;
}

bool write(const QString &file, const PictureAlignment &alignment, QString *error)
{
    return TextFile::writeLines(file,
                                {text(alignment.offsetXMm), text(alignment.offsetYMm),
                                 QString::number(alignment.turnDegrees), text(alignment.widthMm)},
                                error);
}

} // namespace PictureAlignmentFile

PicturePlacement placePicture(QSize pixels, QSize dotsPerMetre, const PictureAlignment &alignment)
{
    const bool resolution = dotsPerMetre.width() > 0 && dotsPerMetre.height() > 0;
    if (pixels.isEmpty() || (!resolution && alignment.widthMm <= 0))
        return {};
    // Twips a pixel; without a resolution the pixels are square.
    double across = resolution ? 1440 / (dotsPerMetre.width() * MetresPerInch) : 1;
    double down = resolution ? 1440 / (dotsPerMetre.height() * MetresPerInch) : 1;
    const int turn = ((alignment.turnDegrees % 360) + 360) % 360;
    const bool sideways = turn == 90 || turn == 270;
    if (alignment.widthMm > 0) {
        // The width is measured as the picture lies on the form.
        const double lying = sideways ? pixels.height() * down : pixels.width() * across;
        const double factor = alignment.widthMm * TwipsPerMm / lying;
        across *= factor;
        down *= factor;
    }
    // Applied left to right: scale, then turn; then the turned picture's
    // corner goes to the offset.
    const QTransform turned = QTransform::fromScale(across, down) * QTransform().rotate(turn);
    const QRectF box = turned.mapRect(QRectF(QPointF(0, 0), QSizeF(pixels)));
    const QPointF corner(alignment.offsetXMm * TwipsPerMm, alignment.offsetYMm * TwipsPerMm);
    PicturePlacement placement;
    placement.transform = turned * QTransform::fromTranslate(corner.x() - box.left(), corner.y() - box.top());
    placement.twips = QRectF(corner, box.size());
    return placement;
}

PicturePlacement placePicture(const QImage &picture, const PictureAlignment &alignment)
{
    return placePicture(picture.size(), QSize(picture.dotsPerMeterX(), picture.dotsPerMeterY()), alignment);
}
