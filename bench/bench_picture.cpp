// A cheque's scan shown in a window of the enlarged calibration window's
// size: the time from asking for the picture to its first paint, the
// longest the window's event loop went without turning while the picture
// was read, shown and its copy kept, and the peak resident memory of the
// window's process (and of its decoding child) once the picture is open.
//
//   bench_picture make FOLDER     writes scan.png, scan.jpg, scan.pdf:
//                                 A4 at 600 dpi
//   bench_picture show FILE|none [KEPT]
//                                 one measurement, the copy kept as KEPT
//                                 (else in a scratch folder); prints
//                                 "shown_ms stall_ms kept_ms rss_kib child_kib"
//
// Run by bench/pictures.sh, which sets the two side by side.
#include "chequepicture.h"
#include "picturedecode.h"
#include "pictureloader.h"
#include "picturewriter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int Dpi = 600;

// A pale form with boxes, lines and text, and a scanner's grain: the grain
// is what makes a real scan's PNG large and slow to inflate.
QImage form()
{
    const double mm = Dpi / 25.4;
    QImage page(qRound(210 * mm), qRound(297 * mm), QImage::Format_RGB32);
    page.fill(QColor(250, 248, 240));
    QPainter p(&page);
    p.fillRect(QRectF(0, 0, 180 * mm, 80 * mm), QColor(220, 235, 250));
    p.setPen(QPen(QColor(40, 40, 90), 0.3 * mm));
    for (int line = 0; line < 6; ++line)
        p.drawLine(QPointF(20 * mm, (25 + 9 * line) * mm), QPointF(170 * mm, (25 + 9 * line) * mm));
    p.drawRect(QRectF(108 * mm, 3 * mm, 62 * mm, 9 * mm));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qRound(4 * mm));
    p.setFont(font);
    for (int row = 0; row < 40; ++row)
        p.drawText(QPointF(15 * mm, (95 + 5 * row) * mm),
                   QStringLiteral("Riga %1 della pagina di prova, come un estratto conto scansionato.").arg(row));
    p.end();
    QRandomGenerator grain(1500);
    for (int y = 0; y < page.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(page.scanLine(y));
        for (int x = 0; x < page.width(); x += 3) {
            const int d = int(grain.bounded(5)) - 2;
            const QRgb c = row[x];
            row[x] = qRgb(qBound(0, qRed(c) + d, 255), qBound(0, qGreen(c) + d, 255), qBound(0, qBlue(c) + d, 255));
        }
    }
    page.setDotsPerMeterX(qRound(Dpi / 0.0254));
    page.setDotsPerMeterY(qRound(Dpi / 0.0254));
    return page;
}

int make(const QString &folder)
{
    const QImage page = form();
    if (!page.save(folder + QStringLiteral("/scan.png")) || !page.save(folder + QStringLiteral("/scan.jpg"), nullptr, 90))
        return 1;
    QPdfWriter pdf(folder + QStringLiteral("/scan.pdf"));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins({});
    pdf.setResolution(Dpi);
    QPainter p(&pdf);
    p.drawImage(QPointF(0, 0), page);
    return p.end() ? 0 : 1;
}

long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

class Shown : public QWidget
{
public:
    QImage picture;
    std::function<void()> painted;

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (picture.isNull())
            return;
        // As the calibration window draws it: the paper at 96 an inch.
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        const QSizeF area = ChequePicture::sizeInTwips(picture) / 15;
        p.drawImage(QRectF(QPointF(0, 0), area), picture);
        if (painted)
            std::exchange(painted, nullptr)();
    }
};

int show(const QString &file, QString keptAs)
{
    Shown window;
    window.setWindowTitle(QStringLiteral("Immagine di prova"));
    window.setFixedSize(1200, 700);
    window.show();

    // The longest gap between two turns of the event loop.
    QElapsedTimer clock, lastTick;
    qint64 stall = 0;
    bool measuring = false;
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (measuring)
            stall = qMax(stall, lastTick.elapsed());
        lastTick.restart();
    });
    ticker.start();
    lastTick.start();

    QTemporaryDir kept;
    if (keptAs.isEmpty())
        keptAs = kept.filePath(QStringLiteral("Quendra1.png"));
    PictureLoader loader;
    PictureWriter writer;
    qint64 shownMs = -1, keptMs = -1;
    QObject::connect(&loader, &PictureLoader::finished, [&](const QString &, const QImage &picture, const QString &error) {
        if (picture.isNull()) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            QApplication::exit(1);
            return;
        }
        window.picture = picture;
        window.painted = [&] {
            shownMs = clock.elapsed();
            writer.write(keptAs, window.picture);
        };
        window.update();
    });
    QObject::connect(&writer, &PictureWriter::finished, [&](const QString &, bool ok, const QString &error) {
        if (!ok)
            std::fprintf(stderr, "%s\n", qPrintable(error));
        keptMs = clock.elapsed();
        // A few more turns, to see the loop answer after the write.
        QTimer::singleShot(300, [] { QApplication::quit(); });
    });
    // Once the window has settled.
    QTimer::singleShot(500, [&] {
        measuring = true;
        lastTick.restart();
        clock.start();
        if (file == QLatin1String("none"))
            QTimer::singleShot(1000, [] { QApplication::quit(); });
        else
            loader.read(file, PictureScale::ScreenDpi * window.devicePixelRatioF());
    });
    const int code = QApplication::exec();
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    std::printf("%lld %lld %lld %ld %ld\n", shownMs, stall, keptMs, peakKiB(), children.ru_maxrss);
    return code;
}

} // namespace

int main(int argc, char **argv)
{
    if (const int decoded = PictureDecode::runDecodeMode(argc, argv); decoded >= 0)
        return decoded;
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "make") == 0)
        return make(QString::fromLocal8Bit(argv[2]));
    if ((argc == 3 || argc == 4) && qstrcmp(argv[1], "show") == 0)
        return show(QString::fromLocal8Bit(argv[2]), argc == 4 ? QString::fromLocal8Bit(argv[3]) : QString());
    std::fprintf(stderr, "usage: bench_picture make FOLDER | show FILE|none [KEPT]\n");
    return 2;
}
