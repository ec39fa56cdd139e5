#include "chequeprint.h"
#include "qtprintdevice.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr double MmPerPoint = 25.4 / 72;

struct PdfPage
{
    QSizeF size;                   ///< points
    QHash<QString, QPointF> words; ///< first of each text: top-left corner in mm
};

/// pdftotext puts yMin at the baseline less the font's declared ascent, which
/// for Liberation Sans is the ascent Qt adds: yMin is the top of the line.
PdfPage readPdf(const QString &file)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {"-bbox", file, "-"});
    process.waitForFinished();
    const QString xhtml = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression pageTag(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)")re"));
    static const QRegularExpression wordTag(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re"));
    PdfPage page;
    const QRegularExpressionMatch p = pageTag.match(xhtml);
    page.size = {p.captured(1).toDouble(), p.captured(2).toDouble()};
    for (const QRegularExpressionMatch &w : wordTag.globalMatch(xhtml)) {
        const QPointF topLeft(w.captured(1).toDouble(), w.captured(2).toDouble());
        if (!page.words.contains(w.captured(3)))
            page.words.insert(w.captured(3), topLeft * MmPerPoint);
    }
    return page;
}
} // namespace

class tst_QtPrintDevice : public QObject
{
    Q_OBJECT

private slots:
    void noPrinterFailsQuietly();
    void fieldStartsAtItsPosition_data();
    void fieldStartsAtItsPosition();
};

void tst_QtPrintDevice::noPrinterFailsQuietly()
{
    QTemporaryDir dir;
    // An unreachable print server lists no printers, whatever the machine has.
    qputenv("CUPS_SERVER", QFile::encodeName(dir.filePath(QStringLiteral("none.sock"))));
    QtPrintDevice device;
    float width = 0;
    QVERIFY(!device.makeCurrent(0));
    QVERIFY(!device.textWidth(QStringLiteral("1"), width));
    QVERIFY(!device.printText(QStringLiteral("Castelrovo")));
    QVERIFY(!device.printText(QStringLiteral("again")));
}

void tst_QtPrintDevice::fieldStartsAtItsPosition_data()
{
    QTest::addColumn<ChequeLayout>("layout");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("word");
    QTest::addColumn<double>("left"); // mm
    QTest::addColumn<double>("top");

    // The figures start 32 mm right of their position less the width of the
    // spaced digits at 13 pt: 14.0248 mm for "1 5 0 0", 2.5506 mm for "7".
    // Origin in cm; Top, Left in twips of place, date, figures, decimals,
    // words, payee; comma; account. In the default layout the decimals run
    // into the figures' comma and make one word with it, hence amount 0.
    const ChequeLayout d{2.3f, 13.5f, {285, 1425}, {270, 4230}, {270, 6015}, {270, 8070},
                         {1740, 2100}, {2235, 2250}, 1, {2700, 2250}};
    QTest::newRow("default: place") << d << "1500" << "Castelrovo" << 48.1354 << 140.0271;
    QTest::newRow("default: date") << d << "1500" << "01/02/2024" << 97.6125 << 139.7625;
    QTest::newRow("default: figures") << d << "1500" << "#1" << 147.0731 << 139.7625;
    QTest::newRow("default: decimals") << d << "0" << "0" << 165.3458 << 139.7625;
    QTest::newRow("default: words") << d << "1500" << "MILLE/00###" << 60.0417 << 165.6917;
    QTest::newRow("default: payee") << d << "1500" << "BRENTOLA" << 62.6875 << 174.4229;
    QTest::newRow("default: account") << d << "1500" << "12345" << 62.6875 << 182.6250;
    const ChequeLayout m{1.5f, 4.0f, {0, 0}, {500, 3000}, {1000, 1440}, {1500, 6000},
                         {2000, 720}, {2500, 2880}, 1, {3000, 100}};
    QTest::newRow("moved: place") << m << "1500,75" << "Castelrovo" << 15.0 << 40.0;
    QTest::newRow("moved: date") << m << "1500,75" << "01/02/2024" << 67.9167 << 48.8194;
    QTest::newRow("moved: figures") << m << "1500,75" << "#1" << 58.3752 << 57.6389;
    QTest::newRow("moved: one figure") << m << "7" << "#7," << 69.8494 << 57.6389;
    QTest::newRow("moved: decimals") << m << "1500,75" << "7" << 120.8333 << 66.4583;
    QTest::newRow("moved: words") << m << "1500,75" << "MILLE/00###" << 27.7 << 75.2778;
    QTest::newRow("moved: payee") << m << "1500,75" << "BRENTOLA" << 65.8 << 84.0972;
    QTest::newRow("moved: account") << m << "1500,75" << "12345" << 16.7639 << 92.9167;
}

void tst_QtPrintDevice::fieldStartsAtItsPosition()
{
    QFETCH(ChequeLayout, layout);
    QFETCH(QString, amount);
    QFETCH(QString, word);
    QFETCH(double, left);
    QFETCH(double, top);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is missing: the printed page cannot be measured");

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("cheque.pdf"));
    {
        QtPrintDevice device(pdf);
        const ChequeFields fields{"Castelrovo", "01/02/2024", amount,
                                  "MILLE/00", "BRENTOLA SNC", "12345"};
        QVERIFY(PrintChequePage(device, layout, fields));
    }
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY2(file.readAll().contains("+LiberationSans"), "Arial is not printed as Liberation Sans");

    const PdfPage page = readPdf(pdf);
    QVERIFY2(page.size.width() > page.size.height(), "the cheque page is not landscape");
    QVERIFY2(page.words.contains(word), qPrintable(QStringList(page.words.keys()).join(' ')));
    const QPointF at = page.words.value(word);
    QVERIFY2(qAbs(at.x() - left) < 0.1 && qAbs(at.y() - top) < 0.1,
             qPrintable(QStringLiteral("at %1, %2 mm").arg(at.x()).arg(at.y())));
}

QTEST_MAIN(tst_QtPrintDevice)
#include "tst_qtprintdevice.moc"
