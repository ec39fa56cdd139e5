#include "chequepicture.h"

#include "pdfpage.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QtEndian>

namespace ChequePicture {

namespace {

constexpr double MetresPerInch = 0.0254;

QString shown(const QString &file)
{
    return QDir::toNativeSeparators(file);
}

quint32 bigEndian32(const QByteArray &bytes, qsizetype at)
{
    return qFromBigEndian<quint32>(bytes.constData() + at);
}

quint16 bigEndian16(const QByteArray &bytes, qsizetype at)
{
    return qFromBigEndian<quint16>(bytes.constData() + at);
}

bool pngStoresResolution(const QByteArray &bytes)
{
    // Chunks follow the 8-byte signature: length, type, data, CRC; a
    // resolution only counts before the pixels start.
    for (qsizetype at = 8; at + 8 <= bytes.size();) {
        const quint32 length = bigEndian32(bytes, at);
        const QByteArray type = bytes.mid(at + 4, 4);
        if (type == "IDAT" || type == "IEND")
            return false;
        // Unit 1 is the metre; 0 gives only the pixels' aspect ratio.
        if (type == "pHYs" && length >= 9 && at + 8 + 9 <= bytes.size())
            return bytes.at(at + 8 + 8) == 1 && bigEndian32(bytes, at + 8) > 0;
        if (length > quint32(bytes.size()))
            return false;
        at += 12 + qsizetype(length);
    }
    return false;
}

bool jpegStoresResolution(const QByteArray &bytes)
{
    // Segments follow the start marker: 0xFF, a marker, a length that
    // counts itself. Only a JFIF header in inches (1) or cm (2) is read by
    // the image reader; EXIF resolutions are not.
    for (qsizetype at = 2; at + 4 <= bytes.size();) {
        if (uchar(bytes.at(at)) != 0xFF)
            return false;
        const uchar marker = uchar(bytes.at(at + 1));
        if (marker == 0xDA) // the pixels start
            return false;
        const quint16 length = bigEndian16(bytes, at + 2);
        const QByteArray data = bytes.mid(at + 4, length - 2);
        if (marker == 0xE0 && data.size() >= 12 && data.startsWith(QByteArray("JFIF\0", 5))) {
            const uchar units = uchar(data.at(7));
            return (units == 1 || units == 2) && bigEndian16(data, 8) > 0;
        }
        at += 2 + length;
    }
    return false;
}

void assumeResolution(QImage &picture)
{
    const int dotsPerMetre = qRound(AssumedDpi / MetresPerInch);
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
}

std::optional<QImage> readPdf(const QString &file, QString *error)
{
    // Drawn at the resolution a scan would have, so the page keeps its
    // paper size and its small print stays legible.
    const PdfPage::Page page = PdfPage::draw(file, AssumedDpi);
    switch (page.result) {
    case PdfPage::Result::Drawn:
        break;
    case PdfPage::Result::Unreadable:
        *error = QStringLiteral("Il PDF ") + shown(file)
            + QStringLiteral(" non può essere aperto: è danneggiato o protetto da una password.");
        return std::nullopt;
    case PdfPage::Result::NotOnePage:
        *error = QStringLiteral("Il PDF ") + shown(file) + QStringLiteral(" ha ") + QString::number(page.pageCount)
            + QStringLiteral(" pagine: serve un PDF di una sola pagina, con l'assegno.");
        return std::nullopt;
    case PdfPage::Result::NotDrawable:
        *error = QStringLiteral("La pagina del PDF ") + shown(file)
            + QStringLiteral(" non può essere disegnata: è vuota o troppo grande.");
        return std::nullopt;
    case PdfPage::Result::NoModule:
        *error = QStringLiteral("Il PDF ") + shown(file)
            + QStringLiteral(" non può essere letto: manca la parte del programma che legge i PDF "
                             "(libquendra_pdfpage). Occorre reinstallare Quendra.");
        return std::nullopt;
    }
    // A page without a background is paper, not a hole in the window.
    QImage picture(page.image.size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter(&picture).drawImage(0, 0, page.image);
    assumeResolution(picture);
    return picture;
}

} // namespace

QString fileName(const QString &dataFolder, qint32 idBanca)
{
    const QString id = idBanca > 0 ? QString::number(idBanca) : QString();
    return dataFolder + QLatin1String("/Quendra") + id + QLatin1String(".png");
}

bool storesResolution(const QByteArray &bytes)
{
    if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return pngStoresResolution(bytes);
    if (bytes.startsWith("\xFF\xD8"))
        return jpegStoresResolution(bytes);
    return false;
}

std::optional<QImage> read(const QString &file, QString *error)
{
    if (!QFileInfo(file).isFile()) {
        *error = QStringLiteral("Il file ") + shown(file) + QStringLiteral(" non esiste o non è un file.");
        return std::nullopt;
    }
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Impossibile leggere il file ") + shown(file) + QStringLiteral(": ")
            + in.errorString() + QLatin1Char('.');
        return std::nullopt;
    }
    const QByteArray head = in.peek(8);
    if (head.startsWith("%PDF-"))
        return readPdf(file, error);

    const QByteArray bytes = in.readAll();
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    if (format != "png" && format != "jpeg") {
        *error = QStringLiteral("Il file ") + shown(file)
            + QStringLiteral(" non è un'immagine PNG o JPEG né un PDF: non può fare da immagine dell'assegno.");
        return std::nullopt;
    }
    QImage picture = reader.read();
    if (picture.isNull()) {
        *error = QStringLiteral("L'immagine ") + shown(file) + QStringLiteral(" non può essere letta: ")
            + reader.errorString() + QLatin1Char('.');
        return std::nullopt;
    }
    // Without a stored resolution the reader fills in the screen's, which
    // would show a scan three times too large.
    if (!storesResolution(bytes) || picture.dotsPerMeterX() <= 0 || picture.dotsPerMeterY() <= 0)
        assumeResolution(picture);
    return picture;
}

bool write(const QString &file, const QImage &picture, QString *error)
{
    QSaveFile out(file);
    out.setDirectWriteFallback(false);
    QImageWriter writer(&out, "png");
    const bool written = out.open(QIODevice::WriteOnly) && writer.write(picture) && out.flush();
    if (written && out.commit())
        return true;
    *error = writer.error() != QImageWriter::UnknownError ? writer.errorString() : out.errorString();
    out.cancelWriting();
    return false;
}

QSizeF sizeInTwips(const QImage &picture)
{
    if (picture.isNull() || picture.dotsPerMeterX() <= 0 || picture.dotsPerMeterY() <= 0)
        return QSizeF();
    return QSizeF(picture.width() * 1440.0 / (picture.dotsPerMeterX() * MetresPerInch),
                  picture.height() * 1440.0 / (picture.dotsPerMeterY() * MetresPerInch));
}

} // namespace ChequePicture
