#include "picturedecode.h"

#include "pdfpage.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFile>
#include <QImageReader>

#include <cstring>

namespace PictureDecode {

namespace {

constexpr int PdfDpi = 300;

Decoded decode(const QString &file)
{
    Decoded decoded;
    QFile in(file);
    if (in.open(QIODevice::ReadOnly) && in.peek(5) == "%PDF-") {
        in.close();
        const PdfPage::Page page = PdfPage::draw(file, PdfDpi, BudgetBytes);
        decoded.pageCount = page.pageCount;
        switch (page.result) {
        case PdfPage::Result::Drawn:
            decoded.outcome = Outcome::Picture;
            decoded.picture = page.image;
            break;
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
    QImageReader reader(&in);
    reader.setAllocationLimit(int(BudgetBytes / (1024 * 1024)));
    decoded.picture = reader.read();
    decoded.outcome = decoded.picture.isNull() ? Outcome::ImageUnreadable : Outcome::Picture;
    decoded.readerError = reader.errorString();
    return decoded;
}

} // namespace

QByteArray toBytes(const Decoded &decoded)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(decoded.outcome) << qint32(decoded.pageCount) << decoded.readerError;
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
    out.writeRawData(reinterpret_cast<const char *>(p.constBits()), int(p.sizeInBytes()));
    return bytes;
}

std::optional<Decoded> fromBytes(const QByteArray &bytes)
{
    QDataStream in(bytes);
    Decoded decoded;
    qint32 outcome = -1, pageCount = 0;
    in >> outcome >> pageCount >> decoded.readerError;
    if (in.status() != QDataStream::Ok || outcome < 0 || outcome > qint32(Outcome::ImageUnreadable))
        return std::nullopt;
    decoded.outcome = Outcome(outcome);
    decoded.pageCount = pageCount;
    if (decoded.outcome != Outcome::Picture)
        return decoded;
    qint32 width = 0, height = 0, format = 0, dpmX = 0, dpmY = 0;
    in >> width >> height >> format >> dpmX >> dpmY;
    if (in.status() != QDataStream::Ok || width <= 0 || height <= 0 || format <= QImage::Format_Invalid
        // At most 8 bytes a pixel, in whatever format: twice the budget.
        || format >= QImage::NImageFormats || qint64(width) * height > BudgetBytes / 4)
        return std::nullopt;
    QImage picture(width, height, QImage::Format(format));
    if (picture.isNull() || bytes.size() - in.device()->pos() != picture.sizeInBytes())
        return std::nullopt;
    std::memcpy(picture.bits(), bytes.constData() + in.device()->pos(), size_t(picture.sizeInBytes()));
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
    const QByteArray bytes = toBytes(decode(QString::fromLocal8Bit(argv[2])));
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush())
        return 2;
    return 0;
}

} // namespace PictureDecode
