#pragma once

#include "picturescale.h"

#include <QImage>
#include <QString>

#include <optional>

/// A picture of a bank's real cheque, shown behind the calibration labels
/// at the size the paper has. Its pixels are placed by the resolution the
/// file stores, so a scan at any resolution lines up with the twips of the
/// layout; the top-left corner of the picture is the cheque's corner.
namespace ChequePicture {

/// Scanners that write no resolution nearly always scan at this one.
constexpr int AssumedDpi = PictureScale::AssumedDpi;

/// The bank's copy of the picture, beside its layout file: Quendra<id>.png,
/// or Quendra.png for the default layout (\a idBanca 0 or less).
QString fileName(const QString &dataFolder, qint32 idBanca);

/// Reads a PNG, a JPEG or a one-page PDF at \a screenDpi (96 times the
/// screen's pixel ratio: true scale, and sharp on a high-density screen),
/// never larger than the file holds, and returns it with the resolution
/// that keeps the paper's size: as the file stores it, or AssumedDpi when
/// it stores none (then resolutionAssumed() is true). On failure, nothing
/// and an Italian sentence for the user in \a error. Blocks for up to 5 s:
/// a window reads through PictureLoader.
std::optional<QImage> read(const QString &file, QString *error, double screenDpi = PictureScale::ScreenDpi);

/// Whether the paper's size of \a picture, as read(), is a guess: the
/// file stored no resolution. A copy written by write() keeps the mark.
bool resolutionAssumed(const QImage &picture);

/// Writes \a picture as the PNG \a file, whole or not at all (every byte
/// on the disk before it replaces the old file), keeping its resolution
/// and the mark of resolutionAssumed(), so that read() gives it back at
/// the same size. Blocks for a few hundred milliseconds: a window writes
/// through PictureWriter. \a error gets the reason in Italian.
bool write(const QString &file, const QImage &picture, QString *error);

/// The paper the picture covers, in twips (1440 an inch) from its corner.
QSizeF sizeInTwips(const QImage &picture);

/// Whether \a bytes, a PNG or a JPEG file, carries a resolution a reader
/// honours: a pHYs chunk in metres, or a JFIF header in inches or cm.
bool storesResolution(const QByteArray &bytes);

} // namespace ChequePicture
