#include "chequepicture.h"
#include "decodermain.h"
#include "limitedchild.h"

#include <QtGui>
#include <QtTest>

namespace {
/// A 600 x 300 pixel picture at \a dpi as \a format; \a plain drops the
/// resolution the writer stores.
QByteArray picture(const char *format, int dpi, bool plain = false)
{
    QImage image(600, 300, QImage::Format_RGB32);
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
                                   "a 300 punti per pollice, di una pagina al più.";
    }

    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSizeF, twips);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString file = dir.filePath("scan");
        if (QFile out(file); !out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            QFAIL("cannot write the picture");
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
