#include "filebytes.h"
#include "filesizelimit.h"
#include "picturealignment.h"

#include <QtTest>

#include <optional>

namespace {
constexpr double Tolerance = 0.05; // twips
} // namespace

class tst_PictureAlignment : public QObject
{
    Q_OBJECT

private slots:
    void placement_data()
    {
        QTest::addColumn<QSize>("dotsPerMetre");
        QTest::addColumn<double>("offsetXMm");
        QTest::addColumn<double>("offsetYMm");
        QTest::addColumn<int>("turn");
        QTest::addColumn<double>("widthMm");
        QTest::addColumn<QRectF>("twips");
        QTest::addColumn<QPointF>("firstPixel"); // where the picture's own top-left corner lands

        // 1000 x 500 pixels; 3937 a metre is 100 dpi: 14,4 twips a pixel.
        const QSize dpi100(3937, 3937);
        QTest::newRow("as scanned") << dpi100 << 0.0 << 0.0 << 0 << 0.0 << QRectF(0, 0, 14400, 7200) << QPointF(0, 0);
        // 10 mm is 566,93 twips.
        QTest::newRow("the offset moves the corner")
            << dpi100 << 10.0 << -5.0 << 0 << 0.0 << QRectF(566.93, -283.46, 14400, 7200) << QPointF(566.93, -283.46);
        QTest::newRow("a quarter turn swaps width and height")
            << dpi100 << 0.0 << 0.0 << 90 << 0.0 << QRectF(0, 0, 7200, 14400) << QPointF(7200, 0);
        QTest::newRow("a half turn") << dpi100 << 0.0 << 0.0 << 180 << 0.0 << QRectF(0, 0, 14400, 7200)
                                     << QPointF(14400, 7200);
        QTest::newRow("three quarters") << dpi100 << 0.0 << 0.0 << 270 << 0.0 << QRectF(0, 0, 7200, 14400)
                                        << QPointF(0, 14400);
        // 127 mm is 7200 twips.
        QTest::newRow("the width sets the scale")
            << dpi100 << 0.0 << 0.0 << 0 << 127.0 << QRectF(0, 0, 7200, 3600) << QPointF(0, 0);
        QTest::newRow("the width is measured as turned")
            << dpi100 << 0.0 << 0.0 << 90 << 63.5 << QRectF(0, 0, 3600, 7200) << QPointF(3600, 0);
        QTest::newRow("turned, sized and moved") << dpi100 << -2.0 << 3.0 << 270 << 63.5
                                                 << QRectF(-113.39, 170.08, 3600, 7200) << QPointF(-113.39, 7370.08);
        QTest::newRow("no resolution: the width alone")
            << QSize(0, 0) << 0.0 << 0.0 << 0 << 127.0 << QRectF(0, 0, 7200, 3600) << QPointF(0, 0);
        // 2 : 1 pixels stay 2 : 1 under a width.
        QTest::newRow("uneven pixels keep their shape")
            << QSize(3937, 7874) << 0.0 << 0.0 << 0 << 127.0 << QRectF(0, 0, 7200, 1800) << QPointF(0, 0);
        QTest::newRow("no resolution, no width: nowhere")
            << QSize(0, 0) << 0.0 << 0.0 << 0 << 0.0 << QRectF() << QPointF();
    }

    void placement()
    {
        QFETCH(QSize, dotsPerMetre);
        QFETCH(QRectF, twips);
        QFETCH(QPointF, firstPixel);
        PictureAlignment alignment;
        QFETCH(double, offsetXMm);
        QFETCH(double, offsetYMm);
        QFETCH(int, turn);
        QFETCH(double, widthMm);
        alignment.offsetXMm = offsetXMm;
        alignment.offsetYMm = offsetYMm;
        alignment.turnDegrees = turn;
        alignment.widthMm = widthMm;
        const PicturePlacement placed = placePicture(QSize(1000, 500), dotsPerMetre, alignment);
        const auto near = [](QPointF a, QPointF b) { return QLineF(a, b).length() < Tolerance; };
        const auto shown = [](QRectF r) {
            return QString("%1, %2, %3 x %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
        };
        QVERIFY2(near(placed.twips.topLeft(), twips.topLeft()) && near(placed.twips.bottomRight(), twips.bottomRight()),
                 qPrintable(shown(placed.twips)));
        if (twips.isNull())
            return;
        // The transform draws the picture exactly over that area.
        const QRectF drawn = placed.transform.mapRect(QRectF(0, 0, 1000, 500));
        QVERIFY2(near(drawn.topLeft(), twips.topLeft()) && near(drawn.bottomRight(), twips.bottomRight()),
                 qPrintable(shown(drawn)));
        QVERIFY2(near(placed.transform.map(QPointF(0, 0)), firstPixel),
                 qPrintable(QString("%1, %2").arg(placed.transform.map(QPointF(0, 0)).x())
                                .arg(placed.transform.map(QPointF(0, 0)).y())));
    }

    void fileName()
    {
        QCOMPARE(PictureAlignmentFile::fileName("/d", 7), QString("/d/Quendra7.immagine.ini"));
        QCOMPARE(PictureAlignmentFile::fileName("/d", 0), QString("/d/Quendra.immagine.ini"));
    }

    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // "<missing>": no file
        QTest::addColumn<double>("offsetXMm");
        QTest::addColumn<double>("offsetYMm");
        QTest::addColumn<int>("turn");
        QTest::addColumn<double>("widthMm");

        QTest::newRow("no file: as scanned") << QByteArray("<missing>") << 0.0 << 0.0 << 0 << 0.0;
        QTest::newRow("all four") << QByteArray("2,5\r\n-1,25\r\n90\r\n180,5\r\n") << 2.5 << -1.25 << 90 << 180.5;
        QTest::newRow("a bad line keeps the others") << QByteArray("2,5\r\nabc\r\n90\r\n180\r\n") << 2.5 << 0.0 << 90
                                                     << 180.0;
        QTest::newRow("a dot is not the comma") << QByteArray("2.5\r\n1\r\n0\r\n0\r\n") << 0.0 << 1.0 << 0 << 0.0;
        QTest::newRow("a turn that is no quarter") << QByteArray("1\r\n1\r\n45\r\n0\r\n") << 1.0 << 1.0 << 0 << 0.0;
        QTest::newRow("a full turn") << QByteArray("1\r\n1\r\n360\r\n0\r\n") << 1.0 << 1.0 << 0 << 0.0;
        QTest::newRow("offsets past a metre") << QByteArray("1000,5\r\n-1001\r\n180\r\n0\r\n") << 0.0 << 0.0 << 180
                                              << 0.0;
        QTest::newRow("a negative width") << QByteArray("0\r\n0\r\n0\r\n-100\r\n") << 0.0 << 0.0 << 0 << 0.0;
        QTest::newRow("a short file") << QByteArray("3\r\n") << 3.0 << 0.0 << 0 << 0.0;
        QTest::newRow("blanks and LF") << QByteArray(" 3 \n 4,5 \n 270 \n 0 \n") << 3.0 << 4.5 << 270 << 0.0;
    }

    void read()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString file = dir.filePath("Quendra3.immagine.ini");
        QVERIFY(bytes == "<missing>" || putBytes(file, bytes));
        const PictureAlignment read = PictureAlignmentFile::read(file);
        QTEST(read.offsetXMm, "offsetXMm");
        QTEST(read.offsetYMm, "offsetYMm");
        QTEST(read.turnDegrees, "turn");
        QTEST(read.widthMm, "widthMm");
    }

    void write_data()
    {
        QTest::addColumn<bool>("fullDisk");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("written") << false << QByteArray("2,5\r\n-1,25\r\n270\r\n0,1\r\n") << "";
        QTest::newRow("full disk: the old file stays") << true << QByteArray("old") << "il file supera la dimensione concessa";
    }

    void write()
    {
        QFETCH(bool, fullDisk);
        QTemporaryDir dir;
        const QString file = dir.filePath("Quendra3.immagine.ini");
        QVERIFY(putBytes(file, "old"));
        PictureAlignment alignment;
        alignment.offsetXMm = 2.5;
        alignment.offsetYMm = -1.25;
        alignment.turnDegrees = 270;
        alignment.widthMm = 0.1;
        QString error;
        {
            std::optional<FileSizeLimit> full;
            if (fullDisk)
                full.emplace(8);
            QCOMPARE(PictureAlignmentFile::write(file, alignment, &error), !fullDisk);
        }
        QTEST(error, "error");
        QTEST(bytesIn(file), "bytes");
        if (fullDisk)
            return;
        const PictureAlignment back = PictureAlignmentFile::read(file);
        QCOMPARE(back.offsetXMm, 2.5);
        QCOMPARE(back.turnDegrees, 270);
        QCOMPARE(float(back.widthMm), 0.1f);
    }
};

QTEST_GUILESS_MAIN(tst_PictureAlignment)
#include "tst_picturealignment.moc"
