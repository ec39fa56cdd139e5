#include "chequepicture.h"

#include "limitedchild.h"
#include "picturedecode.h"
#include "pictureheader.h"
#include "textfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

namespace ChequePicture {

namespace {

constexpr double MetresPerInch = 0.0254;
// The child's address space: the libraries, the decoder's work on the
// whole picture, and the smaller one it sends.
constexpr qint64 ChildMemoryBytes = 1024ll * 1024 * 1024;
constexpr int ChildTimeoutMs = 5000;

QString shown(const QString &file)
{
    return QDir::toNativeSeparators(file);
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
                          "fino a 600 punti per pollice, di una pagina al più.")
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
std::optional<PictureDecode::Decoded> decodeInChild(const QString &file, double screenDpi, QString *error)
{
    const QStringList arguments{QLatin1String(PictureDecode::Argument), file, QString::number(screenDpi)};
    const LimitedChild::Result run = LimitedChild::run(QCoreApplication::applicationFilePath(), arguments,
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
    return !PictureHeader::dotsPerMetre(bytes).isEmpty();
}

bool resolutionAssumed(const QImage &picture)
{
    return picture.text(QLatin1String(PictureHeader::AssumedKey)) == QLatin1String(PictureHeader::AssumedValue);
}

std::optional<QImage> read(const QString &file, QString *error, double screenDpi)
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
    if (!pdf) {
        QImageReader reader(&in);
        const QByteArray format = reader.format();
        if (format != "png" && format != "jpeg") {
            *error = QStringLiteral("Il file ") + shown(file)
                + QStringLiteral(" non è un'immagine PNG o JPEG né un PDF: non può fare da immagine dell'assegno.");
            return std::nullopt;
        }
        const QSize pixels = reader.size();
        if (pixels.isValid() && qint64(pixels.width()) * pixels.height() > PictureDecode::MaxPixels) {
            *error = tooBig(file, pixels);
            return std::nullopt;
        }
        in.seek(0);
        if (truncated(in, format)) {
            *error = QStringLiteral("L'immagine ") + shown(file)
                + QStringLiteral(" è incompleta: il file è stato copiato o scaricato solo in parte.");
            return std::nullopt;
        }
    }
    in.close();
    const auto decoded = decodeInChild(file, screenDpi, error);
    if (!decoded)
        return std::nullopt;
    if (decoded->outcome != PictureDecode::Outcome::Picture) {
        *error = outcomeText(file, *decoded);
        return std::nullopt;
    }
    QImage picture = decoded->picture;
    if (picture.dotsPerMeterX() <= 0 || picture.dotsPerMeterY() <= 0)
        assumeResolution(picture);
    if (decoded->resolutionAssumed)
        picture.setText(QLatin1String(PictureHeader::AssumedKey), QLatin1String(PictureHeader::AssumedValue));
    return picture;
}

bool write(const QString &file, const QImage &picture, QString *error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    // The text keys go before the pixels, where the decoder looks for the
    // mark of a guessed resolution.
    if (!writer.write(picture)) {
        if (error)
            *error = QStringLiteral("l'immagine non può essere codificata (") + writer.errorString() + QLatin1Char(')');
        return false;
    }
    return TextFile::writeBytes(file, bytes, error);
}

QSizeF sizeInTwips(const QImage &picture)
{
    if (picture.isNull() || picture.dotsPerMeterX() <= 0 || picture.dotsPerMeterY() <= 0)
        return QSizeF();
    return QSizeF(picture.width() * 1440.0 / (picture.dotsPerMeterX() * MetresPerInch),
                  picture.height() * 1440.0 / (picture.dotsPerMeterY() * MetresPerInch));
}

} // namespace ChequePicture
