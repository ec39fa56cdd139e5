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
    void printsLandscapeInLiberationSans();
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

// The other fields' default positions are measured by the calibration tests,
// which print through this device too.
void tst_QtPrintDevice::printsLandscapeInLiberationSans()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is missing: the printed page cannot be measured");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("cheque.pdf"));
    {
        // Origin in cm; Top, Left in twips of place, date, figures, decimals,
        // words, payee; comma; account.
        const ChequeLayout d{2.3f, 13.5f, {285, 1425}, {270, 4230}, {270, 6015}, {270, 8070},
                             {1740, 2100}, {2235, 2250}, 1, {2700, 2250}};
        QtPrintDevice device(pdf);
        QVERIFY(PrintChequePage(device, d, {"Castelrovo", "01/02/2024", "0", "MILLE/00", "BRENTOLA SNC", "12345"}));
    }
    QFile file(pdf);
    QVERIFY2(file.open(QIODevice::ReadOnly) && file.readAll().contains("+LiberationSans"),
             "Arial is not printed as Liberation Sans");
    const QHash<QString, QPointF> found = readPdf(pdf);
    QVERIFY2(found.value("<page>").x() > found.value("<page>").y(), "the cheque page is not landscape");
    // The decimals run into the figures' comma and make one word with it.
    const std::pair<QString, QPointF> fields[] = {{"0", {165.3458, 139.7625}}, {"BRENTOLA", {62.6875, 174.4229}}};
    for (const auto &[word, at] : fields) {
        const QPointF printed = found.value(word, QPointF(-1, -1));
        QVERIFY2(QLineF(printed, at).length() < 0.1,
                 qPrintable(QStringLiteral("%1 at %2, %3 mm").arg(word).arg(printed.x()).arg(printed.y())));
    }
}

QTEST_MAIN(tst_QtPrintDevice)
#include "tst_qtprintdevice.moc"
