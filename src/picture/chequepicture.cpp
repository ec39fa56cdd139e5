#include "chequepicture.h"

#include "limitedchild.h"
#include "picturedecode.h"

#include <QCoreApplication>
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
// A resolution is stored before the pixels, within the first bytes.
constexpr qint64 HeadBytes = 1024 * 1024;
// The child's address space: the libraries, the decoder's work and the
// picture twice (decoded, then sent).
constexpr qint64 ChildMemoryBytes = 1024ll * 1024 * 1024;
constexpr int ChildTimeoutMs = 5000;

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

QString tooBig(const QString &file, QSize pixels)
{
    return QStringLiteral("L'immagine %1 è troppo grande (%2 × %3 punti): serve una scansione dell'assegno "
                          "fino a 300 punti per pollice, di una pagina al più.")
        .arg(shown(file))
        .arg(pixels.width())
        .arg(pixels.height());
}

// A file cut short (copied or downloaded in part) decodes as a picture
// with a grey end; its last bytes tell.
bool truncated(QFile &in, const QByteArray &format)
{
    const qint64 size = in.size();
    const qint64 tail = qMin<qint64>(size, 1024);
    if (!in.seek(size - tail))
        return true;
    const QByteArray end = in.read(tail);
    in.seek(0);
    return format == "png" ? !end.contains("IEND") : !end.contains("\xFF\xD9");
}

QString outcomeText(const QString &file, const PictureDecode::Decoded &decoded)
{
    using PictureDecode::Outcome;
    switch (decoded.outcome) {
    case Outcome::Picture:
        break;
    case Outcome::PdfUnreadable:
        return QStringLiteral("Il PDF ") + shown(file)
            + QStringLiteral(" non può essere aperto: è danneggiato o protetto da una password.");
    case Outcome::PdfNotOnePage:
        return QStringLiteral("Il PDF ") + shown(file) + QStringLiteral(" ha ") + QString::number(decoded.pageCount)
            + QStringLiteral(" pagine: serve un PDF di una sola pagina, con l'assegno.");
    case Outcome::PdfNotDrawable:
        return QStringLiteral("La pagina del PDF ") + shown(file)
            + QStringLiteral(" non può essere disegnata: è vuota o troppo grande.");
    case Outcome::PdfNoModule:
        return QStringLiteral("Il PDF ") + shown(file)
            + QStringLiteral(" non può essere letto: manca la parte del programma che legge i PDF "
                             "(libquendra_pdfpage). Occorre reinstallare Quendra.");
    case Outcome::ImageUnreadable:
        return QStringLiteral("L'immagine ") + shown(file) + QStringLiteral(" non può essere letta: ")
            + decoded.readerError + QLatin1Char('.');
    }
    return QString();
}

// The decoders run in a child of their own: see PictureDecode.
std::optional<PictureDecode::Decoded> decodeInChild(const QString &file, QString *error)
{
    const LimitedChild::Result run = LimitedChild::run(QCoreApplication::applicationFilePath(),
                                                       {QLatin1String(PictureDecode::Argument), file},
                                                       ChildMemoryBytes, ChildTimeoutMs);
    std::optional<PictureDecode::Decoded> decoded;
    if (run.end == LimitedChild::End::Finished && run.exitCode == 0)
        decoded = PictureDecode::fromBytes(run.output);
    if (decoded)
        return decoded;
    if (run.end == LimitedChild::End::TimedOut)
        *error = QStringLiteral("Il file ") + shown(file)
            + QStringLiteral(" non può essere letto: la lettura non è finita in 5 secondi. Il file è danneggiato "
                             "o troppo complesso per fare da immagine dell'assegno.");
    else
        *error = QStringLiteral("Il file ") + shown(file)
            + QStringLiteral(" non può essere letto: la lettura si è interrotta o chiedeva più memoria di quella "
                             "concessa. Il file è danneggiato o troppo grande per fare da immagine dell'assegno.");
    return std::nullopt;
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
    // Only the head and the tail are read here; the pixels, in the child.
    const bool pdf = in.peek(5) == "%PDF-";
    bool resolutionStored = false;
    if (!pdf) {
        QImageReader reader(&in);
        const QByteArray format = reader.format();
        if (format != "png" && format != "jpeg") {
            *error = QStringLiteral("Il file ") + shown(file)
                + QStringLiteral(" non è un'immagine PNG o JPEG né un PDF: non può fare da immagine dell'assegno.");
            return std::nullopt;
        }
        const QSize pixels = reader.size();
        if (pixels.isValid() && qint64(pixels.width()) * pixels.height() * 4 > PictureDecode::BudgetBytes) {
            *error = tooBig(file, pixels);
            return std::nullopt;
        }
        in.seek(0);
        if (truncated(in, format)) {
            *error = QStringLiteral("L'immagine ") + shown(file)
                + QStringLiteral(" è incompleta: il file è stato copiato o scaricato solo in parte.");
            return std::nullopt;
        }
        resolutionStored = storesResolution(in.peek(HeadBytes));
    }
    in.close();
    const auto decoded = decodeInChild(file, error);
    if (!decoded)
        return std::nullopt;
    if (decoded->outcome != PictureDecode::Outcome::Picture) {
        *error = outcomeText(file, *decoded);
        return std::nullopt;
    }
    QImage picture = decoded->picture;
    if (pdf) {
        // A page without a background is paper, not a hole in the window.
        QImage paper(picture.size(), QImage::Format_RGB32);
        paper.fill(Qt::white);
        QPainter(&paper).drawImage(0, 0, picture);
        picture = paper;
    }
    // Without a stored resolution the reader fills in the screen's, which
    // would show a scan three times too large; a PDF page is drawn at 300.
    if (pdf || !resolutionStored || picture.dotsPerMeterX() <= 0 || picture.dotsPerMeterY() <= 0)
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
