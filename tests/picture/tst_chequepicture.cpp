#include "chequepicture.h"
#include "decodermain.h"
#include "filebytes.h"
#include "filesizelimit.h"
#include "limitedchild.h"
#include "pictureloader.h"
#include "picturescale.h"
#include "picturewriter.h"

#include <QtGui>
#include <QtTest>

#include <optional>
#include <unistd.h>

namespace {
/// A 600 x 300 pixel picture at \a dpi as \a format; \a plain drops the
/// resolution the writer stores.
QByteArray picture(const char *format, int dpi, bool plain = false)
{
    QImage image(600, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    if (plain) // length 9, "pHYs", 9 bytes, CRC
        bytes.remove(bytes.indexOf("pHYs") - 4, 21);
    return bytes;
}

/// An A4 page at \a dpi (0: no resolution stored) as \a format, white with a
/// black 20 mm square 170 mm from the left edge and 100 mm from the top.
QByteArray a4(const char *format, int dpi, bool plain = false)
{
    const int shownDpi = dpi > 0 ? dpi : 300;
    QImage image(qRound(210 / 25.4 * shownDpi), qRound(297 / 25.4 * shownDpi), QImage::Format_RGB32);
    image.fill(Qt::white);
    const double mm = shownDpi / 25.4;
    QPainter(&image).fillRect(QRectF(170 * mm, 100 * mm, 20 * mm, 20 * mm), Qt::black);
    image.setDotsPerMeterX(qRound(shownDpi / 0.0254));
    image.setDotsPerMeterY(qRound(shownDpi / 0.0254));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    if (plain)
        bytes.remove(bytes.indexOf("pHYs") - 4, 21);
    return bytes;
}

QByteArray a4Pdf()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins({});
    writer.setResolution(600);
    QPainter painter(&writer);
    const double mm = 600 / 25.4;
    painter.fillRect(QRectF(170 * mm, 100 * mm, 20 * mm, 20 * mm), Qt::black);
    painter.end();
    return bytes;
}

QString put(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString file = dir.filePath("scan");
    QFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() ? file : QString();
}

QByteArray pdf(int pages)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QSizeF(100, 50), QPageSize::Millimeter));
    writer.setPageMargins({});
    QPainter painter(&writer);
    if (pages > 1)
        writer.newPage();
    painter.end(); // the file is written out here, not when the painter goes
    return bytes;
}
} // namespace

class tst_ChequePicture : public QObject
{
    Q_OBJECT

private slots:
    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSizeF>("twips"); // 1440 an inch; empty when refused
        QTest::addColumn<QString>("error"); // after the file's name

        QTest::newRow("PNG at 600 dpi") << picture("png", 600) << QSizeF(1440, 720) << "";
        QTest::newRow("PNG with no resolution: 300 dpi") << picture("png", 96, true) << QSizeF(2880, 1440) << "";
        QTest::newRow("JPEG at 200 dpi") << picture("jpeg", 200) << QSizeF(4320, 2160) << "";
        // 100 x 50 mm become the whole points 283 x 142 in the file: 20 twips each.
        QTest::newRow("one-page PDF at paper size") << pdf(1) << QSizeF(5660, 2840) << "";
        QTest::newRow("two-page PDF")
            << pdf(2) << QSizeF() << " ha 2 pagine: serve un PDF di una sola pagina, con l'assegno.";
        QTest::newRow("text") << QByteArray("LUOGO\r\n") << QSizeF()
                              << " non è un'immagine PNG o JPEG né un PDF: non può fare da immagine dell'assegno.";
        const QString cutShort = " è incompleta: il file è stato copiato o scaricato solo in parte.";
        QTest::newRow("PNG cut short") << picture("png", 300).left(60) << QSizeF() << cutShort;
        QTest::newRow("JPEG cut short") << picture("jpeg", 300).chopped(40) << QSizeF() << cutShort;
        // Its header claims 60000 x 60000 pixels: 14 GB, refused before a byte is decoded.
        QByteArray huge = picture("jpeg", 300);
        huge.replace(huge.indexOf("\xFF\xC0") + 5, 4, QByteArray("\xEA\x60\xEA\x60", 4));
        QTest::newRow("JPEG declaring 60000 x 60000")
            << huge << QSizeF() << " è troppo grande (60000 × 60000 punti): serve una scansione dell'assegno fino "
                                   "a 600 punti per pollice, di una pagina al più.";
        // A3 at 600 dpi: past a legal page.
        QByteArray a3 = picture("jpeg", 300);
        a3.replace(a3.indexOf("\xFF\xC0") + 5, 4, QByteArray("\x26\xC1\x1B\x68", 4));
        QTest::newRow("JPEG declaring A3 at 600 dpi")
            << a3 << QSizeF() << " è troppo grande (7016 × 9921 punti): serve una scansione dell'assegno fino "
                                 "a 600 punti per pollice, di una pagina al più.";
    }

    // What comes back is what the screen shows, at the paper's size: the
    // mark 170 mm from the left lands 170 mm from the left.
    void scanAtScreenResolution_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<double>("screenDpi");
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<QSizeF>("twips");
        QTest::addColumn<bool>("assumed");

        const QByteArray png600 = a4("png", 600);
        // 4961 x 7016 pixels: 11906,4 x 16838,4 twips.
        QTest::newRow("PNG A4 at 600 dpi, shown at 96")
            << png600 << 96.0 << QSize(794, 1123) << QSizeF(11906.4, 16838.4) << false;
        QTest::newRow("PNG A4 at 600 dpi, shown at 192 (pixel ratio 2)")
            << png600 << 192.0 << QSize(1588, 2245) << QSizeF(11906.4, 16838.4) << false;
        QTest::newRow("JPEG A4 at 600 dpi, shown at 96")
            << a4("jpeg", 600) << 96.0 << QSize(794, 1123) << QSizeF(11906.4, 16838.4) << false;
        // 2480 x 3508 pixels, no resolution: 300 dpi, kept to A4's pixels at 96.
        QTest::newRow("PNG A4 with no resolution")
            << a4("png", 0, true) << 96.0 << QSize(794, 1123) << QSizeF(11904, 16838.4) << true;
        // The page is 595 x 842 points in the file, 20 twips each.
        QTest::newRow("PDF A4 page, shown at 96")
            << a4Pdf() << 96.0 << QSize(793, 1123) << QSizeF(11900, 16840) << false;
        QTest::newRow("PNG at 72 dpi is not enlarged")
            << picture("png", 72) << 96.0 << QSize(600, 300) << QSizeF(12000, 6000) << false;
    }

    void scanAtScreenResolution()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(double, screenDpi);
        QFETCH(QSize, pixels);
        QFETCH(QSizeF, twips);
        QTemporaryDir dir;
        const QString file = put(dir, bytes);
        QString told;
        const auto image = ChequePicture::read(file, &told, screenDpi);
        QVERIFY2(image, qPrintable(told));
        QCOMPARE(image->size(), pixels);
        const QSizeF size = ChequePicture::sizeInTwips(*image);
        QVERIFY2(qAbs(size.width() - twips.width()) <= 2 && qAbs(size.height() - twips.height()) <= 2,
                 qPrintable(QString("%1 x %2").arg(size.width()).arg(size.height())));
        QTEST(ChequePicture::resolutionAssumed(*image), "assumed");
        if (pixels.width() < 700)
            return;
        // Inside the mark, and 20 mm left of it.
        const double perMm = image->width() / (size.width() / 1440 * 25.4);
        QVERIFY(qGray(image->pixel(int(180 * perMm), int(110 * perMm))) < 64);
        QVERIFY(qGray(image->pixel(int(150 * perMm), int(110 * perMm))) > 192);
    }

    // Pure arithmetic of the sizes, for the cases no file needs.
    void screenTarget_data()
    {
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<QSize>("stored");
        QTest::addColumn<bool>("guessed"); // a copy marked as of a guessed size
        QTest::addColumn<double>("screenDpi");
        QTest::addColumn<QSize>("shown");
        QTest::addColumn<QSize>("dotsPerMetre");

        // 600 dpi is 23622 a metre; 4961 pixels are 0,21002 m.
        QTest::newRow("600 dpi to 96") << QSize(4961, 7016) << QSize(23622, 23622) << false << 96.0 << QSize(794, 1123)
                                       << QSize(3781, 3781);
        QTest::newRow("a copy at 96 keeps its pixels")
            << QSize(794, 1123) << QSize(3781, 3781) << false << 96.0 << QSize(794, 1123) << QSize(3781, 3781);
        QTest::newRow("100 dpi stays: within 5 %") << QSize(1000, 500) << QSize(3937, 3937) << false << 96.0
                                                   << QSize(1000, 500) << QSize(3937, 3937);
        QTest::newRow("each axis its own") << QSize(1200, 600) << QSize(11811, 5906) << false << 100.0 << QSize(400, 400)
                                           << QSize(3937, 3937);
        // 300 dpi assumed; 4000 x 3000 pixels shrink to A4's count at 96 (891 234).
        QTest::newRow("no resolution: A4's pixels") << QSize(4000, 3000) << QSize(0, 0) << false << 96.0 << QSize(1090, 817)
                                                    << QSize(3218, 3217);
        QTest::newRow("no resolution, small: kept") << QSize(800, 600) << QSize(0, 0) << false << 96.0 << QSize(800, 600)
                                                    << QSize(11811, 11811);
        // The copy of such a picture stores 300 dpi, a guess it keeps.
        QTest::newRow("a guess kept: its pixels stay")
            << QSize(800, 600) << QSize(11811, 11811) << true << 96.0 << QSize(800, 600) << QSize(11811, 11811);
    }

    void screenTarget()
    {
        QFETCH(QSize, pixels);
        QFETCH(QSize, stored);
        QFETCH(double, screenDpi);
        QFETCH(bool, guessed);
        const PictureScale::Target target = PictureScale::forScreen(pixels, stored, screenDpi, guessed);
        QTEST(target.pixels, "shown");
        QTEST(target.dotsPerMetre, "dotsPerMetre");
        QCOMPARE(target.resolutionAssumed, stored.isEmpty() || guessed);
    }

    // A file dropped while another is still read wins; a cancelled read
    // is never told, so a removed picture does not come back.
    void loaderTellsTheLastRead()
    {
        QTemporaryDir dir;
        const QString first = dir.filePath("first.png"), second = dir.filePath("second.png");
        QVERIFY(putBytes(first, a4("png", 600)) && putBytes(second, picture("png", 300)));
        PictureLoader loader;
        QSignalSpy finished(&loader, &PictureLoader::finished);
        loader.read(first);
        loader.read(second);
        QVERIFY(loader.isReading());
        QVERIFY(finished.wait(15000));
        QCOMPARE(finished.at(0).at(0).toString(), second);
        QCOMPARE(finished.at(0).at(1).value<QImage>().size(), QSize(192, 96));
        loader.read(first);
        loader.cancel();
        QVERIFY(!loader.isReading());
        // Every read has ended, and what it would tell has come.
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        QCOMPARE(finished.size(), 1);
    }

    void keptCopy_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("error");
        QTest::newRow("written, read back whole") << "" << "";
        QTest::newRow("read-only folder") << "read-only" << "la cartella è protetta: mancano i permessi di scrittura";
        QTest::newRow("full disk") << "full" << "il file supera la dimensione concessa";
    }

    // The copy is written beside the window's thread; the old copy stays
    // when the new one cannot be written.
    void keptCopy()
    {
        QFETCH(QString, problem);
        QFETCH(QString, error);
        if (problem == "read-only" && ::geteuid() == 0)
            QSKIP("root writes into a read-only folder");
        QTemporaryDir dir;
        const QString kept = dir.filePath("Quendra1.png");
        QVERIFY(putBytes(kept, "old"));
        QString told;
        const auto image = ChequePicture::read(put(dir, picture("png", 96, true)), &told);
        QVERIFY2(image, qPrintable(told));
        std::optional<FileSizeLimit> full;
        if (problem == "full")
            full.emplace(8); // smaller than any PNG
        if (problem == "read-only")
            QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        PictureWriter writer;
        QSignalSpy finished(&writer, &PictureWriter::finished);
        writer.write(kept, *image);
        QVERIFY(writer.isWriting());
        QVERIFY(finished.wait(10000));
        full.reset();
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(finished.at(0).at(0).toString(), kept);
        QCOMPARE(finished.at(0).at(1).toBool(), error.isEmpty());
        QCOMPARE(finished.at(0).at(2).toString(), error);
        QVERIFY(!writer.isWriting());
        if (!error.isEmpty()) {
            QCOMPARE(bytesIn(kept), QByteArray("old"));
            return;
        }
        const auto back = ChequePicture::read(kept, &told);
        QVERIFY2(back, qPrintable(told));
        QCOMPARE(back->size(), image->size());
        QCOMPARE(ChequePicture::sizeInTwips(*back), ChequePicture::sizeInTwips(*image));
        // A guessed resolution stays a guess, though the copy stores one.
        QVERIFY(ChequePicture::storesResolution(bytesIn(kept)));
        QVERIFY(ChequePicture::resolutionAssumed(*back));
    }

    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSizeF, twips);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString file = put(dir, bytes);
        QString told;
        const auto image = ChequePicture::read(file, &told);
        if (!error.isEmpty()) {
            QVERIFY2(!image && told.contains(QDir::toNativeSeparators(file) + error), qPrintable(told));
            return;
        }
        QVERIFY2(image, qPrintable(told));
        const QSizeF size = ChequePicture::sizeInTwips(*image);
        QVERIFY2(qAbs(size.width() - twips.width()) < 2 && qAbs(size.height() - twips.height()) < 2,
                 qPrintable(QString("%1 x %2").arg(size.width()).arg(size.height())));

    }

    void childOnALeash_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<LimitedChild::End>("end");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("done") << "printf 'pixels'" << LimitedChild::End::Finished << 0;
        QTest::newRow("a hang is ended") << "sleep 30" << LimitedChild::End::TimedOut << -1;
        QTest::newRow("past its memory, it fails")
            << "exec dd if=/dev/zero of=/dev/null bs=300M count=1" << LimitedChild::End::Finished << 1;
    }

    void childOnALeash()
    {
        QFETCH(QString, command);
        QElapsedTimer clock;
        clock.start();
        const LimitedChild::Result result = LimitedChild::run("/bin/sh", {"-c", command}, 200 * 1024 * 1024, 2000);
        QTEST(result.end, "end");
        QTEST(result.exitCode, "exitCode");
        if (result.end == LimitedChild::End::Finished && result.exitCode == 0)
            QCOMPARE(result.output, QByteArray("pixels"));
        QVERIFY(clock.elapsed() < 10000);
    }
};

QUENDRA_TEST_MAIN_DECODING(tst_ChequePicture, QCoreApplication)
#include "tst_chequepicture.moc"
