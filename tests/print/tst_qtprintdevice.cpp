#include "chequeprint.h"
#include "pdfwords.h"
#include "qtprintdevice.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// What the page is measured against, taken from Liberation Sans (the face
// fontconfig gives for "Arial"), in units of the font size.
constexpr double Ascent = 1854.0 / 2048;
constexpr double Descent = 434.0 / 2048;
constexpr double DigitAdvance = 1139.0 / 2048; // also "#"
constexpr double BlankAdvance = 569.0 / 2048;  // also ","
constexpr double PointsToMm = 25.4 / 72;

// Where a test is satisfied that a field sits where the layout puts it.
constexpr double ToleranceMm = 0.1;

struct ExpectedWord
{
    QString text;
    double left; ///< millimetres from the page's left edge
    double top;  ///< millimetres from the page's top edge to the top of the line
};
using ExpectedWords = QList<ExpectedWord>;

namespace {

ChequeLayout defaultLayout()
{
    ChequeLayout l;
    l.SXmargin = 2.3f;
    l.DXmargin = 13.5f;
    l.LUOGO = {285, 1425};
    l.GGMMAAAA = {270, 4230};
    l.IMPORTO_CIFRE = {270, 6015};
    l.IMPORTO_DEC = {270, 8070};
    l.IMPORTO_ABC = {1740, 2100};
    l.BENEFICIARIO = {2235, 2250};
    l.PrintComma = 1;
    l.NUMEROcc = {2700, 2250};
    return l;
}

/// Another origin, and every field on a line of its own.
ChequeLayout movedLayout()
{
    ChequeLayout l;
    l.SXmargin = 1.5f;
    l.DXmargin = 4.0f;
    l.LUOGO = {0, 0};
    l.GGMMAAAA = {500, 3000};
    l.IMPORTO_CIFRE = {1000, 1440};
    l.IMPORTO_DEC = {1500, 6000};
    l.IMPORTO_ABC = {2000, 720};
    l.BENEFICIARIO = {2500, 2880};
    l.PrintComma = 1;
    l.NUMEROcc = {3000, 100};
    return l;
}

ChequeFields fieldsWithAmount(const QString &amount, const QString &words)
{
    return {QStringLiteral("Castelrovo"), QStringLiteral("01/02/2024"), amount, words,
            QStringLiteral("BRENTOLA SNC"), QStringLiteral("12345")};
}

} // namespace

class tst_QtPrintDevice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void noPrinterFailsQuietly();
    void textWidthInMillimetres_data();
    void textWidthInMillimetres();
    void orientation_data();
    void orientation();
    void fieldsStartAtTheirPositions_data();
    void fieldsStartAtTheirPositions();
    void figuresEndAtTheirMark_data();
    void figuresEndAtTheirMark();
    void amountAreaReadsBack_data();
    void amountAreaReadsBack();

private:
    /// Prints one cheque into a fresh PDF and returns its only page.
    PdfPage printCheque(const ChequeLayout &layout, const ChequeFields &fields);
    QString m_lastPdf;
    QTemporaryDir m_dir;
    int m_files = 0;
};

void tst_QtPrintDevice::initTestCase()
{
    // The printer list must not depend on the machine running the tests: a
    // server that cannot be reached lists no printers.
    qputenv("CUPS_SERVER", QFile::encodeName(m_dir.filePath(QStringLiteral("no-cups.sock"))));
    QVERIFY(m_dir.isValid());
}

PdfPage tst_QtPrintDevice::printCheque(const ChequeLayout &layout, const ChequeFields &fields)
{
    m_lastPdf = m_dir.filePath(QStringLiteral("cheque%1.pdf").arg(++m_files));
    QtPrintDevice device(m_lastPdf);
    if (!PrintChequePage(device, layout, fields))
        return {};
    QString error;
    const QList<PdfPage> pages = readPdfWords(m_lastPdf, &error);
    if (pages.size() != 1) {
        qWarning() << "expected one page:" << pages.size() << error;
        return {};
    }
    return pages.first();
}

void tst_QtPrintDevice::noPrinterFailsQuietly()
{
    QtPrintDevice device;
    int count = -1;
    QVERIFY(device.printerCount(count));
    QCOMPARE(count, 0);
    QString name;
    QVERIFY(!device.printerName(0, name));
    QVERIFY(!device.makeCurrent(0));

    QVERIFY(device.setOrientation(PrintDevice::Landscape));
    QVERIFY(device.setFontName(QStringLiteral("Arial")));
    float width = -1;
    QVERIFY(!device.textWidth(QStringLiteral("1 5 0 0"), width));
    QVERIFY(!device.printText(QStringLiteral("Castelrovo")));
    QVERIFY(!device.printText(QStringLiteral("again")));
    device.endDocument();
}

void tst_QtPrintDevice::textWidthInMillimetres_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("points");
    QTest::addColumn<double>("expected");

    // A measure taken at screen resolution instead of the printer's, or a
    // point size taken as pixels, misses these by far more than a tenth.
    QTest::newRow("spaced figures at 13 pt")
        << "1 5 0 0" << 13.0f << (4 * DigitAdvance + 3 * BlankAdvance) * 13 * PointsToMm;
    QTest::newRow("spaced figures at 11 pt")
        << "1 5 0 0" << 11.0f << (4 * DigitAdvance + 3 * BlankAdvance) * 11 * PointsToMm;
    QTest::newRow("hash at 13 pt") << "#" << 13.0f << DigitAdvance * 13 * PointsToMm;
    QTest::newRow("empty text") << "" << 13.0f << 0.0;
}

void tst_QtPrintDevice::textWidthInMillimetres()
{
    QFETCH(QString, text);
    QFETCH(float, points);
    QFETCH(double, expected);

    QtPrintDevice device(m_dir.filePath(QStringLiteral("width.pdf")));
    QVERIFY(device.setFontName(QStringLiteral("Arial")));
    QVERIFY(device.setFontSize(points));
    float width = -1;
    QVERIFY(device.textWidth(text, width));
    QVERIFY2(qAbs(width - expected) < 0.05,
             qPrintable(QStringLiteral("width %1 mm, expected %2 mm").arg(width).arg(expected)));
}

void tst_QtPrintDevice::orientation_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("setLast");
    QTest::addColumn<bool>("landscape");

    QTest::newRow("landscape set first") << 2 << false << true;
    QTest::newRow("landscape set after font and a width measure") << 2 << true << true;
    QTest::newRow("portrait") << 1 << false << false;
}

void tst_QtPrintDevice::orientation()
{
    QFETCH(int, code);
    QFETCH(bool, setLast);
    QFETCH(bool, landscape);
    if (!havePdfToText())
        QSKIP("pdftotext (poppler-utils) is not installed: cannot read the printed page");

    const QString file = m_dir.filePath(QStringLiteral("orientation.pdf"));
    {
        QtPrintDevice device(file);
        if (!setLast)
            QVERIFY(device.setOrientation(code));
        QVERIFY(device.setFontSize(13));
        float width = 0;
        QVERIFY(device.textWidth(QStringLiteral("x"), width));
        if (setLast)
            QVERIFY(device.setOrientation(code));
        QVERIFY(device.printText(QStringLiteral("x")));
        QVERIFY(device.endDocument());
    }
    QString error;
    const QList<PdfPage> pages = readPdfWords(file, &error);
    QVERIFY2(pages.size() == 1, qPrintable(error));
    // A4: 842 by 595 points.
    QCOMPARE(qRound(pages.first().width), landscape ? 842 : 595);
    QCOMPARE(qRound(pages.first().height), landscape ? 595 : 842);
}

void tst_QtPrintDevice::fieldsStartAtTheirPositions_data()
{
    QTest::addColumn<ChequeLayout>("layout");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<ExpectedWords>("expected");

    // The figures start 32 mm right of their position less the width of the
    // spaced digits: "1 5 0 0" at 13 pt is 14.0248 mm, "1 5 0 0" measured
    // by hand from the font's advances.
    // In the default layout the decimals follow the figures' comma so
    // closely that pdftotext joins them into one word ("0,0"); they are
    // measured on a cheque of amount 0, which prints no figures.
    QTest::newRow("default layout")
        << defaultLayout() << "1500"
        << ExpectedWords{{"Castelrovo", 48.1354, 140.0271},
                         {"01/02/2024", 97.6125, 139.7625},
                         {"#1", 147.0731, 139.7625},
                         {"MILLECINQUECENTO/00###", 60.0417, 165.6917},
                         {"BRENTOLA", 62.6875, 174.4229},
                         {"12345", 62.6875, 182.6250}};
    QTest::newRow("default layout, decimals of amount 0")
        << defaultLayout() << "0" << ExpectedWords{{"0", 165.3458, 139.7625}};
    QTest::newRow("moved layout")
        << movedLayout() << "1500,75"
        << ExpectedWords{{"Castelrovo", 15.0000, 40.0000},
                         {"01/02/2024", 67.9167, 48.8194},
                         {"#1", 58.3752, 57.6389},
                         {"7", 120.8333, 66.4583},
                         {"MILLECINQUECENTO/00###", 27.7000, 75.2778},
                         {"BRENTOLA", 65.8000, 84.0972},
                         {"12345", 16.7639, 92.9167}};
}

void tst_QtPrintDevice::fieldsStartAtTheirPositions()
{
    QFETCH(ChequeLayout, layout);
    QFETCH(QString, amount);
    QFETCH(ExpectedWords, expected);
    if (!havePdfToText())
        QSKIP("pdftotext (poppler-utils) is not installed: cannot measure the printed page");

    const PdfPage page = printCheque(layout, fieldsWithAmount(amount, "MILLECINQUECENTO/00"));
    QVERIFY(!page.words.isEmpty());
    QVERIFY2(page.width > page.height, "the cheque page is not landscape");

    // How the top is measured. pdftotext reports yMin = baseline - Ascent x
    // size, with the Ascent the PDF's font descriptor declares. Qt draws the
    // baseline at the position plus QFontMetricsF::ascent(), which for this
    // face is the same hhea ascender (1854/2048 em) rounded to 1/64 of a
    // printer pixel. So once the descriptor is checked to declare that
    // ascender, yMin is the top of the printed line as the program means it.
    QFile pdf(m_lastPdf);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    const QRegularExpressionMatch font = QRegularExpression(
        QStringLiteral(R"re(/FontName /\w+\+(\w+)\s*(?:/\w+ [^/]*)*?/Ascent ([\d.]+)\s*/Descent (-?[\d.]+))re"))
        .match(QString::fromLatin1(bytes));
    QVERIFY2(font.hasMatch(), "no font descriptor with ascent and descent in the PDF");
    QCOMPARE(font.captured(1), QStringLiteral("LiberationSans"));
    QVERIFY(qAbs(font.captured(2).toDouble() / 1000 - Ascent) < 0.001);
    QVERIFY(qAbs(-font.captured(3).toDouble() / 1000 - Descent) < 0.001);

    for (const ExpectedWord &e : expected) {
        const PdfWord *best = nullptr;
        double bestDistance = 0;
        for (const PdfWord &w : page.words) {
            if (w.text != e.text)
                continue;
            const double d = qAbs(w.xMin * PointsToMm - e.left) + qAbs(w.yMin * PointsToMm - e.top);
            if (!best || d < bestDistance) {
                best = &w;
                bestDistance = d;
            }
        }
        QVERIFY2(best, qPrintable(QStringLiteral("\"%1\" is not on the page").arg(e.text)));
        const double dx = best->xMin * PointsToMm - e.left;
        const double dy = best->yMin * PointsToMm - e.top;
        qDebug("%-24s x %8.4f mm (%+.4f)  top %8.4f mm (%+.4f)", qPrintable(e.text),
               best->xMin * PointsToMm, dx, best->yMin * PointsToMm, dy);
        QVERIFY2(qAbs(dx) < ToleranceMm && qAbs(dy) < ToleranceMm,
                 qPrintable(QStringLiteral("\"%1\" off by %2 mm across, %3 mm down")
                                .arg(e.text).arg(dx).arg(dy)));
    }
}

void tst_QtPrintDevice::figuresEndAtTheirMark_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("firstWord");
    QTest::addColumn<double>("firstLeft");

    // Moved layout, no comma: the figures' position is 40.4 mm across, so
    // the last digit must end at 40.4 + 32 + width("#") = 74.9506 mm
    // whatever the amount; the "#" starts 32 mm right less the digits.
    QTest::newRow("four digits") << "1500" << "#1" << 58.3752;
    QTest::newRow("two digits, decimals cut") << "12,345" << "#1" << 66.0247;
    QTest::newRow("one digit") << "7" << "#7" << 69.8494;
}

void tst_QtPrintDevice::figuresEndAtTheirMark()
{
    QFETCH(QString, amount);
    QFETCH(QString, firstWord);
    QFETCH(double, firstLeft);
    if (!havePdfToText())
        QSKIP("pdftotext (poppler-utils) is not installed: cannot measure the printed page");

    ChequeLayout layout = movedLayout();
    layout.PrintComma = 0;
    const PdfPage page = printCheque(layout, fieldsWithAmount(amount, "X"));
    // The figures are alone on their line, 57.6389 mm down.
    QList<PdfWord> figures;
    for (const PdfWord &w : page.words) {
        if (qAbs(w.yMin * PointsToMm - 57.6389) < 1)
            figures.append(w);
    }
    QVERIFY(!figures.isEmpty());
    std::sort(figures.begin(), figures.end(),
              [](const PdfWord &a, const PdfWord &b) { return a.xMin < b.xMin; });
    QCOMPARE(figures.first().text, firstWord);
    const double start = figures.first().xMin * PointsToMm;
    const double end = figures.last().xMax * PointsToMm;
    qDebug("start %.4f mm (%+.4f), end %.4f mm (%+.4f)", start, start - firstLeft, end,
           end - 74.9506);
    QVERIFY(qAbs(start - firstLeft) < ToleranceMm);
    QVERIFY(qAbs(end - 74.9506) < ToleranceMm);
}

void tst_QtPrintDevice::amountAreaReadsBack_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<int>("printComma");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QStringList>("lines");

    // Each line: its text, then the font size told by the line's height.
    QTest::newRow("1500") << "1500" << 1 << "MILLECINQUECENTO/00"
                          << QStringList{"Castelrovo @11", "01/02/2024 @11", "#1 5 0 0, @13",
                                         "0 0 @13", "MILLECINQUECENTO/00### @11",
                                         "BRENTOLA SNC @13", "12345 @11"};
    QTest::newRow("1500 without comma") << "1500" << 0 << "MILLECINQUECENTO/00"
                          << QStringList{"Castelrovo @11", "01/02/2024 @11", "#1 5 0 0 @13",
                                         "0 0 @13", "MILLECINQUECENTO/00### @11",
                                         "BRENTOLA SNC @13", "12345 @11"};
    QTest::newRow("1500,5") << "1500,5" << 1 << "MILLECINQUECENTO/50"
                          << QStringList{"Castelrovo @11", "01/02/2024 @11", "#1 5 0 0, @13",
                                         "5 0 @13", "MILLECINQUECENTO/50### @11",
                                         "BRENTOLA SNC @13", "12345 @11"};
    QTest::newRow("12,345") << "12,345" << 1 << "DODICI/34"
                          << QStringList{"Castelrovo @11", "01/02/2024 @11", "#1 2, @13",
                                         "3 4 @13", "DODICI/34### @11", "BRENTOLA SNC @13",
                                         "12345 @11"};
    QTest::newRow("0") << "0" << 1 << "ZERO/00"
                          << QStringList{"Castelrovo @11", "01/02/2024 @11", "0 0 @13",
                                         "BRENTOLA SNC @13", "12345 @11"};
    QTest::newRow("blank") << "  " << 1 << ""
                          << QStringList{"Castelrovo @11", "01/02/2024 @11", "BRENTOLA SNC @13",
                                         "12345 @11"};
}

void tst_QtPrintDevice::amountAreaReadsBack()
{
    QFETCH(QString, amount);
    QFETCH(int, printComma);
    QFETCH(QString, words);
    QFETCH(QStringList, lines);
    if (!havePdfToText())
        QSKIP("pdftotext (poppler-utils) is not installed: cannot read the printed page");

    ChequeLayout layout = movedLayout();
    layout.PrintComma = qint16(printComma);
    const PdfPage page = printCheque(layout, fieldsWithAmount(amount, words));
    QStringList read;
    for (const PdfLine &line : pdfLines(page))
        read << QStringLiteral("%1 @%2").arg(line.text).arg(qRound(line.height / (Ascent + Descent)));
    QCOMPARE(read, lines);
}

QTEST_MAIN(tst_QtPrintDevice)
#include "tst_qtprintdevice.moc"
