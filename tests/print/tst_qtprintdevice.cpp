#include "chequeprint.h"
#include "pdfwords.h"
#include "qtprintdevice.h"
#include "testprint.h"

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

    void correctionMovesEveryText_data()
    {
        QTest::addColumn<bool>("testPage");
        QTest::addColumn<QPointF>("offset");
        QTest::newRow("cheque, right and up") << false << QPointF(1.5, -2.0);
        QTest::newRow("test page, left and down") << true << QPointF(-0.3, 0.7);
    }

    void correctionMovesEveryText()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is missing: the printed page cannot be measured");
        QFETCH(bool, testPage);
        QFETCH(QPointF, offset);
        QTemporaryDir dir;
        const ChequeLayout layout{2.3, 13.5, {285, 1425}, {270, 4230}, {270, 6015}, {270, 8070}, {1740, 2100}, {2235, 2250}, 1, {2700, 2250}};
        QList<PdfWord> pages[2];
        for (int shifted = 0; shifted < 2; ++shifted) {
            const QString pdf = dir.filePath(QString::number(shifted));
            QtPrintDevice device(pdf);
            if (shifted)
                device.setOffset(float(offset.x()), float(offset.y()));
            QVERIFY(testPage ? PrintTestPage(device, "2,3", "13,5", layout, "05/12/2026")
                             : PrintChequePage(device, layout, {"Roma", "01/02/2024", "1500", "MILLE", "ROSSI", "123"}));
            pages[shifted] = readPdfWords(pdf);
        }
        QCOMPARE(pages[1].size(), pages[0].size());
        QVERIFY(pages[0].size() > 8);
        for (qsizetype i = 1; i < pages[0].size(); ++i) {
            const QPointF moved = pages[1][i].box.topLeft() - pages[0][i].box.topLeft();
            QVERIFY2(QLineF(moved, offset).length() < 0.05, qPrintable(pages[0][i].text));
        }
    }
};

QTEST_MAIN(tst_QtPrintDevice)
#include "tst_qtprintdevice.moc"
