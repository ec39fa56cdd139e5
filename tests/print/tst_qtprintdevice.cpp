#include "chequeprint.h"
#include "pdfwords.h"
#include "qtprintdevice.h"

#include <QtTest>

namespace {
/// Top-left corner in mm of the first of each printed word, and the page
/// size under "<page>".
QHash<QString, QPointF> readPdf(const QString &file)
{
    QHash<QString, QPointF> found;
    for (const PdfWord &word : readPdfWords(file)) {
        if (!found.contains(word.text))
            found.insert(word.text, word.text == u"<page>" ? word.box.bottomRight() : word.box.topLeft());
    }
    return found;
}
} // namespace

class tst_QtPrintDevice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void noPrinterFailsQuietly();
    void fieldStartsAtItsPosition_data();
    void fieldStartsAtItsPosition();
};

void tst_QtPrintDevice::initTestCase()
{
    // A printing service that is not there, whatever this machine runs.
    qputenv("CUPS_SERVER", QDir::temp().filePath(QStringLiteral("no-such-cups.sock")).toLocal8Bit());
}

void tst_QtPrintDevice::noPrinterFailsQuietly()
{
    QtPrintDevice device;
    int count = -1;
    QVERIFY(device.printerCount(count));
    QCOMPARE(count, 0);
    QVERIFY(!device.makeCurrent(0));
    QVERIFY(!PrintChequePage(device, ChequeLayout(), {"Castelrovo", "", "1500", "MILLE", "ROSSI", "1"}));
}

void tst_QtPrintDevice::fieldStartsAtItsPosition_data()
{
    QTest::addColumn<ChequeLayout>("layout");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QPointF>("at"); // top-left corner, mm

    // The figures start 32 mm right of their position less the width of the
    // spaced digits at 13 pt: 14.0248 mm for "1 5 0 0".
    // Origin in cm; Top, Left in twips of place, date, figures, decimals,
    // words, payee; comma; account. In the default layout the decimals run
    // into the figures' comma and make one word with it, hence amount 0.
    const ChequeLayout d{2.3f, 13.5f, {285, 1425}, {270, 4230}, {270, 6015}, {270, 8070},
                         {1740, 2100}, {2235, 2250}, 1, {2700, 2250}};
    QTest::newRow("default: place") << d << "1500" << "Castelrovo" << QPointF(48.1354, 140.0271);
    QTest::newRow("default: date") << d << "1500" << "01/02/2024" << QPointF(97.6125, 139.7625);
    QTest::newRow("default: figures") << d << "1500" << "#1" << QPointF(147.0731, 139.7625);
    QTest::newRow("default: decimals") << d << "0" << "0" << QPointF(165.3458, 139.7625);
    QTest::newRow("default: words") << d << "1500" << "MILLE/00###" << QPointF(60.0417, 165.6917);
    QTest::newRow("default: payee") << d << "1500" << "BRENTOLA" << QPointF(62.6875, 174.4229);
    QTest::newRow("default: account") << d << "1500" << "12345" << QPointF(62.6875, 182.6250);
}

void tst_QtPrintDevice::fieldStartsAtItsPosition()
{
    QFETCH(ChequeLayout, layout);
    QFETCH(QString, amount);
    QFETCH(QString, word);
    QFETCH(QPointF, at);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is missing: the printed page cannot be measured");

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("cheque.pdf"));
    {
        QtPrintDevice device(pdf);
        QVERIFY(PrintChequePage(device, layout, {"Castelrovo", "01/02/2024", amount, "MILLE/00", "BRENTOLA SNC", "12345"}));
    }
    QFile file(pdf);
    QVERIFY2(file.open(QIODevice::ReadOnly) && file.readAll().contains("+LiberationSans"),
             "Arial is not printed as Liberation Sans");

    const QHash<QString, QPointF> found = readPdf(pdf);
    QVERIFY2(found.value("<page>").x() > found.value("<page>").y(), "the cheque page is not landscape");
    QVERIFY2(found.contains(word), qPrintable(QStringList(found.keys()).join(' ')));
    const QPointF printed = found.value(word);
    QVERIFY2(qAbs(printed.x() - at.x()) < 0.1 && qAbs(printed.y() - at.y()) < 0.1,
             qPrintable(QStringLiteral("at %1, %2 mm").arg(printed.x()).arg(printed.y())));
}

QTEST_MAIN(tst_QtPrintDevice)
#include "tst_qtprintdevice.moc"
