#pragma once

#include <QImage>
#include <QString>

#include <optional>

/// A picture of a bank's real cheque, shown behind the calibration labels
/// at the size the paper has. Its pixels are placed by the resolution the
/// file stores, so a scan at any resolution lines up with the twips of the
/// layout; the top-left corner of the picture is the cheque's corner.
namespace ChequePicture {

/// Scanners that write no resolution nearly always scan at this one.
constexpr int AssumedDpi = 300;

/// The bank's copy of the picture, beside its layout file: Quendra<id>.png,
/// or Quendra.png for the default layout (\a idBanca 0 or less).
QString fileName(const QString &dataFolder, qint32 idBanca);

/// Reads a PNG, a JPEG or a one-page PDF (drawn at its paper size) and
/// returns it with its resolution set: as stored in the file, or
/// AssumedDpi when the file stores none. On failure, nothing and an
/// Italian sentence for the user in \a error.
std::optional<QImage> read(const QString &file, QString *error);

/// Writes \a picture as the PNG \a file, whole or not at all, keeping its
/// resolution, so that read() gives it back at the same size.
bool write(const QString &file, const QImage &picture, QString *error);

/// The paper the picture covers, in twips (1440 an inch) from its corner.
QSizeF sizeInTwips(const QImage &picture);

/// Whether \a bytes, a PNG or a JPEG file, carries a resolution a reader
/// honours: a pHYs chunk in metres, or a JFIF header in inches or cm.
bool storesResolution(const QByteArray &bytes);

} // namespace ChequePicture
