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

/// The first argument that starts the decode mode; the second is the file.
inline constexpr char Argument[] = "--decode-picture";

/// Most bytes a decoded picture may take, for a new picture and a kept one
/// alike, so that nothing is accepted that a later opening refuses: Qt's
/// own limit for an image, a little over an A4 page at 300 dpi twice.
constexpr qint64 BudgetBytes = 128ll * 1024 * 1024;

enum class Outcome : qint32 { Picture, PdfUnreadable, PdfNotOnePage, PdfNotDrawable, PdfNoModule, ImageUnreadable };

struct Decoded
{
    Outcome outcome = Outcome::ImageUnreadable;
    int pageCount = 0;
    QString readerError; ///< ImageUnreadable: the reader's words
    QImage picture;      ///< Picture: with the resolution the file gives
};

/// In the decode mode (argv[1] is Argument) decodes argv[2] onto standard
/// output and returns the exit status; otherwise returns -1 at once.
int runDecodeMode(int argc, char **argv);

/// What the decode mode wrote, read back; nothing when it is cut short.
std::optional<Decoded> fromBytes(const QByteArray &bytes);

/// What the decode mode writes for \a decoded.
QByteArray toBytes(const Decoded &decoded);

} // namespace PictureDecode
