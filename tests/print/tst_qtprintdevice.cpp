#include "chequeprint.h"
#include "pdfwords.h"
#include "qtprintdevice.h"

#include <QtTest>

class tst_QtPrintDevice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A printing service that is not there, whatever this machine runs.
        qputenv("CUPS_SERVER", QDir::temp().filePath(QStringLiteral("no-such-cups.sock")).toLocal8Bit());
    }

    void noPrinterFailsQuietly()
    {
        QtPrintDevice device;
        int count = -1;
        QVERIFY(device.printerCount(count));
        QCOMPARE(count, 0);
        QVERIFY(!device.makeCurrent(0));
        QVERIFY(!PrintChequePage(device, ChequeLayout(), {"Castelrovo", "", "1500", "MILLE", "ROSSI", "1"}));
    }

    // Where each field lands is measured by the calibration window's tests,
    // which print both pages through this device.
    void printsLandscapeInLiberationSans()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is missing: the printed page cannot be measured");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("cheque.pdf"));
        {
            QtPrintDevice device(pdf);
            QVERIFY(PrintChequePage(device, ChequeLayout(), {"Castelrovo", "01/02/2024", "0", "", "", ""}));
        }
        QFile file(pdf);
        QVERIFY2(file.open(QIODevice::ReadOnly) && file.readAll().contains("+LiberationSans"),
                 "Arial is not printed as Liberation Sans");
        const QRectF page = readPdfWords(pdf).value(0).box;
        QVERIFY2(page.width() > page.height(), "the cheque page is not landscape");
    }
};

QTEST_MAIN(tst_QtPrintDevice)
#include "tst_qtprintdevice.moc"
