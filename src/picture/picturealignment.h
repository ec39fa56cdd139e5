#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QTransform>

/// How the user lined a bank's picture up under the labels: moved, turned
/// by quarter turns, and, for a photo that stores no resolution, given its
/// real width. Kept in a file of its own beside the picture, never in the
/// layout file, whose 19 lines the cheque print reads.
struct PictureAlignment
{
    double offsetXMm = 0; ///< the picture's corner right of the form's (left when negative)
    double offsetYMm = 0; ///< and below it (above when negative)
    int turnDegrees = 0;  ///< clockwise: 0, 90, 180 or 270
    /// The picture's width as it lies on the form, turned; 0: its paper's
    /// size as read (the file's resolution, or the assumed one).
    double widthMm = 0;

    bool operator==(const PictureAlignment &other) const
    {
        return offsetXMm == other.offsetXMm && offsetYMm == other.offsetYMm && turnDegrees == other.turnDegrees
            && widthMm == other.widthMm;
    }
    bool operator!=(const PictureAlignment &other) const { return !(*this == other); }
};

/// Where the picture lies on the form.
struct PicturePlacement
{
    QRectF twips;         ///< the form's area it covers, in twips from the form's corner
    QTransform transform; ///< the picture's pixels to those twips: scaled, turned, moved
};

namespace PictureAlignmentFile {

/// Past this a value is taken for a slip: larger than any cheque's paper.
constexpr double MostMm = 1000;

/// The alignment's file for a bank: Quendra<id>.immagine.ini (Quendra.immagine.ini
/// for the default layout, \a idBanca 0 or less). Its name starts as the
/// bank's other files do, so a deleted bank's id is never given again while it remains.
QString fileName(const QString &dataFolder, qint32 idBanca);

/// Four lines, Windows-1252, CR LF, decimal comma: offset X and offset Y
/// in mm, the turn in degrees, the width in mm. A missing file gives the
/// defaults; a line missing or out of bounds gives that value's default.
PictureAlignment read(const QString &file);

/// Replaces \a file whole (TextFile::writeLines); \a error gets the reason in Italian.
bool write(const QString &file, const PictureAlignment &alignment, QString *error);

} // namespace PictureAlignmentFile

/// Where a picture of \a pixels at \a dotsPerMetre lies once \a alignment is
/// applied: scaled to its paper's size (or to alignment.widthMm across),
/// turned about its centre, its turned corner moved by the offset. An
/// empty placement when neither a resolution nor a width gives the size.
PicturePlacement placePicture(QSize pixels, QSize dotsPerMetre, const PictureAlignment &alignment);

/// The same for a picture as ChequePicture::read gives it.
PicturePlacement placePicture(const QImage &picture, const PictureAlignment &alignment);
