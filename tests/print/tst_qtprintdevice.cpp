#include "chequeprint.h"
#include "pdfwords.h"
#include "qtprintdevice.h"
#include "testlayouts.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// Liberation Sans, the face fontconfig gives for "Arial", in ems.
constexpr double Ascent = 1854.0 / 2048;
constexpr double Descent = 434.0 / 2048;
constexpr double Digit = 1139.0 / 2048; // also "#"
constexpr double Blank = 569.0 / 2048;
constexpr double Mm = 25.4 / 72; // per point
constexpr double Tolerance = 0.1; // mm

struct Spot
{
    QString word;
    double left; ///< mm from the page's left edge
    double top;  ///< mm from the page's top edge to the top of the line
};
using Spots = QList<Spot>;

namespace {
/// Another origin, and every field on a line of its own.
ChequeLayout movedLayout()
{
    ChequeLayout l;
    l.SXmargin = 1.5f;
    l.DXmargin = 4.0f;
    l.GGMMAAAA = {500, 3000};
    l.IMPORTO_CIFRE = {1000, 1440};
    l.IMPORTO_DEC = {1500, 6000};
    l.IMPORTO_ABC = {2000, 720};
    l.BENEFICIARIO = {2500, 2880};
    l.PrintComma = 1;
    l.NUMEROcc = {3000, 100};
    return l;
}
} // namespace

class tst_QtPrintDevice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void noPrinterFailsQuietly();
    void textWidth_data();
    void textWidth();
    void orientation_data();
    void orientation();
    void fieldsStartAtTheirPositions_data();
    void fieldsStartAtTheirPositions();
    void figuresEndAtTheirMark_data();
    void figuresEndAtTheirMark();
    void amountAreaReadsBack_data();
    void amountAreaReadsBack();

private:
    PdfPage printCheque(const ChequeLayout &layout, const QString &amount);
    QTemporaryDir m_dir;
    QString m_pdf;
};

void tst_QtPrintDevice::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_pdf = m_dir.filePath(QStringLiteral("page.pdf"));
    // Whatever printers the machine has: an unreachable server lists none.
    qputenv("CUPS_SERVER", QFile::encodeName(m_dir.filePath(QStringLiteral("none.sock"))));
}

PdfPage tst_QtPrintDevice::printCheque(const ChequeLayout &layout, const QString &amount)
{
    QtPrintDevice device(m_pdf);
    const ChequeFields fields{"Castelrovo", "01/02/2024", amount, "MILLE/00", "BRENTOLA SNC", "12345"};
    return PrintChequePage(device, layout, fields) ? readPdfPage(m_pdf) : PdfPage();
}

void tst_QtPrintDevice::noPrinterFailsQuietly()
{
    QtPrintDevice device;
    int count = -1;
    QString name;
    float width = 0;
    QVERIFY(device.printerCount(count));
    QCOMPARE(count, 0);
    QVERIFY(!device.printerName(0, name));
    QVERIFY(!device.makeCurrent(0));
    QVERIFY(device.setFontSize(13));
    QVERIFY(!device.textWidth(QStringLiteral("1"), width));
    QVERIFY(!device.printText(QStringLiteral("Castelrovo")));
    QVERIFY(!device.printText(QStringLiteral("again")));
}

void tst_QtPrintDevice::textWidth_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("points");
    QTest::addColumn<double>("expected");

    // Screen metrics, or a point size taken as printer pixels, miss these
    // by far more than the 0.05 mm allowed.
    QTest::newRow("spaced figures, 13 pt") << "1 5 0 0" << 13.0f << (4 * Digit + 3 * Blank) * 13 * Mm;
    QTest::newRow("spaced figures, 11 pt") << "1 5 0 0" << 11.0f << (4 * Digit + 3 * Blank) * 11 * Mm;
    QTest::newRow("hash, 13 pt") << "#" << 13.0f << Digit * 13 * Mm;
}

void tst_QtPrintDevice::textWidth()
{
    QFETCH(QString, text);
    QFETCH(float, points);
    QFETCH(double, expected);

    QtPrintDevice device(m_pdf);
    device.setFontName(QStringLiteral("Arial"));
    device.setFontSize(points);
    float width = 0;
    QVERIFY(device.textWidth(text, width));
    QVERIFY2(qAbs(width - expected) < 0.05, qPrintable(QString::number(width)));
}

void tst_QtPrintDevice::orientation_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("setLast");
    QTest::addColumn<bool>("landscape");

    QTest::newRow("landscape first") << 2 << false << true;
    QTest::newRow("landscape after font and a width measure") << 2 << true << true;
    QTest::newRow("portrait") << 1 << false << false;
}

void tst_QtPrintDevice::orientation()
{
    QFETCH(int, code);
    QFETCH(bool, setLast);
    QFETCH(bool, landscape);
    if (!havePdfToText())
        QSKIP("pdftotext (poppler-utils) is missing: the printed page cannot be read");

    {
        QtPrintDevice device(m_pdf);
        if (!setLast)
            QVERIFY(device.setOrientation(code));
        device.setFontSize(13);
        float width = 0;
        QVERIFY(device.textWidth(QStringLiteral("x"), width));
        if (setLast)
            QVERIFY(device.setOrientation(code));
        QVERIFY(device.printText(QStringLiteral("x")));
        QVERIFY(device.endDocument());
    }
    const PdfPage page = readPdfPage(m_pdf);
    QCOMPARE(qRound(page.width), landscape ? 842 : 595); // A4 in points
    QCOMPARE(qRound(page.height), landscape ? 595 : 842);
}

void tst_QtPrintDevice::fieldsStartAtTheirPositions_data()
{
    QTest::addColumn<ChequeLayout>("layout");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<Spots>("spots");

    // Twips x 25.4 / 1440 plus ten times the origin. The figures start 32 mm
    // right of theirs less the width of "1 5 0 0", 14.0248 mm at 13 pt.
    // In the default layout the decimals touch the figures' comma and
    // pdftotext makes one word of them, so they are measured on amount 0,
    // which prints no figures.
    QTest::newRow("default layout") << defaultLayout() << "1500"
        << Spots{{"Castelrovo", 48.1354, 140.0271}, {"01/02/2024", 97.6125, 139.7625},
                 {"#1", 147.0731, 139.7625}, {"MILLE/00###", 60.0417, 165.6917},
                 {"BRENTOLA", 62.6875, 174.4229}, {"12345", 62.6875, 182.6250}};
    QTest::newRow("default layout, decimals") << defaultLayout() << "0"
        << Spots{{"0", 165.3458, 139.7625}};
    QTest::newRow("moved layout") << movedLayout() << "1500,75"
        << Spots{{"Castelrovo", 15.0000, 40.0000}, {"01/02/2024", 67.9167, 48.8194},
                 {"#1", 58.3752, 57.6389}, {"7", 120.8333, 66.4583},
                 {"MILLE/00###", 27.7000, 75.2778}, {"BRENTOLA", 65.8000, 84.0972},
                 {"12345", 16.7639, 92.9167}};
}

void tst_QtPrintDevice::fieldsStartAtTheirPositions()
{
    QFETCH(ChequeLayout, layout);
    QFETCH(QString, amount);
    QFETCH(Spots, spots);
    if (!havePdfToText())
        QSKIP("pdftotext (poppler-utils) is missing: the printed page cannot be measured");

    const PdfPage page = printCheque(layout, amount);
    QVERIFY2(page.width > page.height, "the cheque page is not landscape");

    // The top of a line. pdftotext gives yMin = baseline - Ascent x size,
    // with the Ascent of the PDF's font descriptor. Qt draws the baseline at
    // the position plus QFontMetricsF::ascent(), the face's hhea ascender
    // (1854/2048 em) rounded to 1/64 printer pixel. With the descriptor
    // declaring that same ascender, yMin is the top as the program means it.
    QFile pdf(m_pdf);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QRegularExpressionMatch font =
        QRegularExpression(QStringLiteral(R"re(/FontName /\w+\+(\w+)[^>]*?/Ascent ([\d.]+))re"))
            .match(QString::fromLatin1(pdf.readAll()));
    QVERIFY(font.hasMatch());
    QCOMPARE(font.captured(1), QStringLiteral("LiberationSans"));
    QVERIFY(qAbs(font.captured(2).toDouble() / 1000 - Ascent) < 0.001);

    for (const Spot &spot : spots) {
        auto word = std::find_if(page.words.cbegin(), page.words.cend(),
                                 [&](const PdfWord &w) { return w.text == spot.word; });
        QVERIFY2(word != page.words.cend(), qPrintable(spot.word));
        const double dx = word->xMin * Mm - spot.left;
        const double dy = word->yMin * Mm - spot.top;
        qDebug("%-12s off by %+.4f mm across, %+.4f mm down", qPrintable(spot.word), dx, dy);
        QVERIFY(qAbs(dx) < Tolerance && qAbs(dy) < Tolerance);
    }
}

void tst_QtPrintDevice::figuresEndAtTheirMark_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<double>("start");

    // Moved layout without the comma: figures' position 40.4 mm across. The
    // "#" starts at 40.4 + 32 - width(digits); the last digit must end at
    // 40.4 + 32 + width("#") = 74.9506 mm whatever the amount.
    QTest::newRow("four digits") << "1500" << 58.3752;
    QTest::newRow("two digits") << "12,345" << 66.0247;
    QTest::newRow("one digit") << "7" << 69.8494;
}

void tst_QtPrintDevice::figuresEndAtTheirMark()
{
    QFETCH(QString, amount);
    QFETCH(double, start);
    if (!havePdfToText())
        QSKIP("pdftotext (poppler-utils) is missing: the printed page cannot be measured");

    ChequeLayout layout = movedLayout();
    layout.PrintComma = 0;
    const PdfPage page = printCheque(layout, amount);
    double first = 1e9;
    double last = 0;
    for (const PdfWord &w : page.words) {
        if (qAbs(w.yMin * Mm - 57.6389) < 1) { // the figures' line
            first = qMin(first, w.xMin * Mm);
            last = qMax(last, w.xMax * Mm);
        }
    }
    qDebug("starts off by %+.4f mm, ends off by %+.4f mm", first - start, last - 74.9506);
    QVERIFY(qAbs(first - start) < Tolerance);
    QVERIFY(qAbs(last - 74.9506) < Tolerance);
}

void tst_QtPrintDevice::amountAreaReadsBack_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<int>("printComma");
    QTest::addColumn<QStringList>("amountArea");

    QTest::newRow("1500") << "1500" << 1 << QStringList{"#1 5 0 0,", "0 0", "MILLE/00###"};
    QTest::newRow("1500, no comma") << "1500" << 0 << QStringList{"#1 5 0 0", "0 0", "MILLE/00###"};
    QTest::newRow("1500,5") << "1500,5" << 1 << QStringList{"#1 5 0 0,", "5 0", "MILLE/00###"};
    QTest::newRow("12,345") << "12,345" << 1 << QStringList{"#1 2,", "3 4", "MILLE/00###"};
    QTest::newRow("0") << "0" << 1 << QStringList{"0 0"};
    QTest::newRow("blank") << " " << 1 << QStringList{};
}

void tst_QtPrintDevice::amountAreaReadsBack()
{
    QFETCH(QString, amount);
    QFETCH(int, printComma);
    QFETCH(QStringList, amountArea);
    if (!havePdfToText())
        QSKIP("pdftotext (poppler-utils) is missing: the printed page cannot be read");

    ChequeLayout layout = movedLayout();
    layout.PrintComma = qint16(printComma);
    const PdfPage page = printCheque(layout, amount);
    const QStringList expected =
        QStringList{"Castelrovo", "01/02/2024"} + amountArea + QStringList{"BRENTOLA SNC", "12345"};
    QCOMPARE(page.text.split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
}

QTEST_MAIN(tst_QtPrintDevice)
#include "tst_qtprintdevice.moc"
