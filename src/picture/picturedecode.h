#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

/// The other side of reading a cheque's picture: the program itself,
/// started as a child in its decode mode, decodes the file and hands the
/// pixels back, so that a file that hangs the decoders or asks for all the
/// memory there is ends the child, never the window with the user's work.
namespace PictureDecode {

/// The first argument that starts the decode mode; the second is the
/// file, the third the resolution to show it at (PictureScale::ScreenDpi
/// when missing).
inline constexpr char Argument[] = "--decode-picture";

/// Most pixels a picture may declare, for a new picture and a kept one
/// alike, so that nothing is accepted that a later opening refuses: a legal
/// page (or A4 with half an inch around it) at 600 dpi. A PDF page counts as at
/// 600 dpi. Checked before a pixel is decoded; the decoder then works at
/// full size in the child (up to 8 bytes a pixel, 16-bit PNG) and hands
/// back only what the screen shows.
constexpr qint64 MaxPixels = 48'000'000;

/// The most that comes back: the decoder never enlarges.
constexpr qint64 MaxBytesBack = MaxPixels * 8;

enum class Outcome : qint32 { Picture, PdfUnreadable, PdfNotOnePage, PdfNotDrawable, PdfNoModule, ImageUnreadable };

struct Decoded
{
    Outcome outcome = Outcome::ImageUnreadable;
    int pageCount = 0;
    QString readerError; ///< ImageUnreadable: the reader's words
    QImage picture;      ///< Picture: at the screen's resolution, keeping the paper's size
    bool resolutionAssumed = false; ///< the file stores none: PictureScale::AssumedDpi
};

/// In the decode mode (argv[1] is Argument) decodes argv[2] onto standard
/// output at the resolution argv[3] and returns the exit status; otherwise
/// returns -1 at once.
int runDecodeMode(int argc, char **argv);

/// What the decode mode wrote, read back; nothing when it is cut short.
std::optional<Decoded> fromBytes(const QByteArray &bytes);

/// What the decode mode writes for \a decoded.
QByteArray toBytes(const Decoded &decoded);

} // namespace PictureDecode
