#include "picturedecode.h"

#include "pdfpage.h"
#include "pictureheader.h"
#include "picturescale.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFile>
#include <QImageReader>
#include <QPainter>

#include <cstring>

namespace PictureDecode {

namespace {

// The pixels start at a multiple of this in what the child sends, so that
// they can be used where they lie.
constexpr qint64 PixelAlignment = 16;

// Decoded at full size, before it is scaled to the screen: a 16-bit PNG
// takes 8 bytes a pixel.
constexpr int AllocationLimitMiB = int(MaxPixels * 8 / (1024 * 1024)) + 1;

// Kept at 4 bytes a pixel at most: the window keeps what comes back.
QImage shallow(const QImage &picture)
{
    if (picture.format() <= QImage::Format_Indexed8)
        return picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (picture.depth() > 32)
        return picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                 : QImage::Format_RGB32);
    return picture;
}

Decoded decode(const QString &file, double screenDpi)
{
    Decoded decoded;
    QFile in(file);
    if (in.open(QIODevice::ReadOnly) && in.peek(5) == "%PDF-") {
        in.close();
        // The page's area counts as at 600 dpi, whatever it is drawn at.
        const int dpi = qMax(1, qRound(screenDpi));
        const double share = (dpi / 600.0) * (dpi / 600.0);
        const PdfPage::Page page = PdfPage::draw(file, dpi, qint64(MaxPixels * 4 * share));
        decoded.pageCount = page.pageCount;
        switch (page.result) {
        case PdfPage::Result::Drawn: {
            decoded.outcome = Outcome::Picture;
            // A page without a background is paper, not a hole in the window.
            decoded.picture = QImage(page.image.size(), QImage::Format_RGB32);
            decoded.picture.fill(Qt::white);
            QPainter(&decoded.picture).drawImage(0, 0, page.image);
            const QSize dotsPerMetre = PictureScale::forPage(page.points, dpi).dotsPerMetre;
            decoded.picture.setDotsPerMeterX(dotsPerMetre.width());
            decoded.picture.setDotsPerMeterY(dotsPerMetre.height());
            break;
        }
        case PdfPage::Result::Unreadable:
            decoded.outcome = Outcome::PdfUnreadable;
            break;
        case PdfPage::Result::NotOnePage:
            decoded.outcome = Outcome::PdfNotOnePage;
            break;
        case PdfPage::Result::NotDrawable:
            decoded.outcome = Outcome::PdfNotDrawable;
            break;
        case PdfPage::Result::NoModule:
            decoded.outcome = Outcome::PdfNoModule;
            break;
        }
        return decoded;
    }
    const QSize stored = PictureHeader::dotsPerMetre(in.peek(PictureHeader::HeadBytes));
    QImageReader reader(&in);
    reader.setAllocationLimit(AllocationLimitMiB);
    const QSize pixels = reader.size();
    // The window never gets more than the declared size allows.
    if (!pixels.isValid() || qint64(pixels.width()) * pixels.height() > MaxPixels) {
        decoded.readerError = QStringLiteral("le dimensioni dichiarate non sono leggibili o sono troppo grandi");
        return decoded;
    }
    // A JPEG is decoded straight at the smaller size, an 8-bit PNG scaled
    // row by row, a 16-bit one decoded whole and then scaled.
    const bool guessed = reader.text(QLatin1String(PictureHeader::AssumedKey)) == QLatin1String(PictureHeader::AssumedValue);
    const PictureScale::Target target = PictureScale::forScreen(pixels, stored, screenDpi, guessed);
    if (target.pixels != pixels)
        reader.setScaledSize(target.pixels);
    decoded.picture = shallow(reader.read());
    decoded.outcome = decoded.picture.isNull() ? Outcome::ImageUnreadable : Outcome::Picture;
    decoded.readerError = reader.errorString();
    decoded.resolutionAssumed = target.resolutionAssumed;
    decoded.picture.setDotsPerMeterX(target.dotsPerMetre.width());
    decoded.picture.setDotsPerMeterY(target.dotsPerMetre.height());
    return decoded;
}

} // namespace

QByteArray toBytes(const Decoded &decoded)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(decoded.outcome) << qint32(decoded.pageCount) << decoded.readerError << decoded.resolutionAssumed;
    if (decoded.outcome != Outcome::Picture)
        return bytes;
    // The pixels as they lie: an image stream would encode them as a PNG,
    // seconds for a scan.
    // A colour table would not come along with the pixels.
    const QImage p = decoded.picture.format() <= QImage::Format_Indexed8
        ? decoded.picture.convertToFormat(decoded.picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32)
        : decoded.picture;
    out << qint32(p.width()) << qint32(p.height()) << qint32(p.format()) << qint32(p.dotsPerMeterX())
        << qint32(p.dotsPerMeterY());
    const char padding[PixelAlignment] = {};
    out.writeRawData(padding, int((PixelAlignment - bytes.size() % PixelAlignment) % PixelAlignment));
    out.writeRawData(reinterpret_cast<const char *>(p.constBits()), int(p.sizeInBytes()));
    return bytes;
}

std::optional<Decoded> fromBytes(const QByteArray &bytes)
{
    QDataStream in(bytes);
    Decoded decoded;
    qint32 outcome = -1, pageCount = 0;
    in >> outcome >> pageCount >> decoded.readerError >> decoded.resolutionAssumed;
    if (in.status() != QDataStream::Ok || outcome < 0 || outcome > qint32(Outcome::ImageUnreadable))
        return std::nullopt;
    decoded.outcome = Outcome(outcome);
    decoded.pageCount = pageCount;
    if (decoded.outcome != Outcome::Picture)
        return decoded;
    qint32 width = 0, height = 0, format = 0, dpmX = 0, dpmY = 0;
    in >> width >> height >> format >> dpmX >> dpmY;
    if (in.status() != QDataStream::Ok || width <= 0 || height <= 0 || format <= QImage::Format_Invalid
        || format >= QImage::NImageFormats || qint64(width) * height > MaxPixels)
        return std::nullopt;
    const qint64 start = (in.device()->pos() + PixelAlignment - 1) / PixelAlignment * PixelAlignment;
    const qint64 depth = QImage::toPixelFormat(QImage::Format(format)).bitsPerPixel();
    const qint64 bytesPerLine = (width * depth + 31) / 32 * 4;
    if (depth <= 0 || bytes.size() - start != bytesPerLine * height)
        return std::nullopt;
    // The pixels stay where they came: a copy would take as much memory
    // again, for the time it is made, as the whole picture the window keeps.
    auto *kept = new QByteArray(bytes);
    auto *pixels = reinterpret_cast<uchar *>(const_cast<char *>(kept->constData())) + start;
    QImage picture;
    if (quintptr(pixels) % PixelAlignment == 0)
        picture = QImage(
            pixels, width, height, qsizetype(bytesPerLine), QImage::Format(format),
            [](void *held) { delete static_cast<QByteArray *>(held); }, kept);
    // A picture that was not made never calls its cleanup.
    if (picture.isNull())
        delete kept;
    if (picture.isNull()) {
        picture = QImage(width, height, QImage::Format(format));
        if (picture.isNull())
            return std::nullopt;
        std::memcpy(picture.bits(), bytes.constData() + start, size_t(picture.sizeInBytes()));
    }
    picture.setDotsPerMeterX(dpmX);
    picture.setDotsPerMeterY(dpmY);
    decoded.picture = picture;
    return decoded;
}

int runDecodeMode(int argc, char **argv)
{
    if (argc < 3 || std::strcmp(argv[1], Argument) != 0)
        return -1;
    QCoreApplication app(argc, argv);
    bool given = false;
    const double screenDpi = argc > 3 ? QByteArray(argv[3]).toDouble(&given) : 0;
    const bool fits = given && screenDpi >= 24 && screenDpi <= 600;
    const QByteArray bytes = toBytes(decode(QString::fromLocal8Bit(argv[2]), fits ? screenDpi : PictureScale::ScreenDpi));
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush())
        return 2;
    return 0;
}

} // namespace PictureDecode
