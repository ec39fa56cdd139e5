#include "chequeprint.h"
#include "recordingprintdevice.h"
#include "testprint.h"

#include <QtTest>

class tst_TestPrint : public QObject
{
    Q_OBJECT

private slots:
    void marginValue()
    {
        // Ten-thousandths of a cm for "2,3", "2.3", "2,3,4" (stops at the second
        // comma), blank, text, and a number no amount can hold.
        QList<qint64> read;
        for (const char *text : {"2,3", "2.3", "2,3,4", "", "abc", "1e300"})
            read << MarginValue(text).tenThousandths();
        QCOMPARE(read, QList<qint64>({23000, 23000, 23000, 0, 0, 0}));
    }

    void page()
    {
        QCOMPARE(ShortDate(QDate(2026, 12, 5), QLocale(QLocale::Italian, QLocale::Italy)), "05/12/2026");
        QCOMPARE(ShortDate(QDate(2026, 12, 5), QLocale(QLocale::Japanese, QLocale::Japan)), "2026/12/05");

        // Top, Left twips of place, date, figures, decimals, words, payee,
        // account: 1440 is 25,4 mm. The record's own margins are not printed.
        const ChequeLayout labels{9.f, 9.f, {0, 0}, {720, 1440}, {0, 2880}, {1440, 0}, {0, 720}, {2880, 0}, 1, {720, 720}};
        RecordingPrintDevice device;
        QVERIFY(PrintTestPage(device, "2,3", "13.5", labels, "05/12/2026"));
        QStringList printed;
        for (const auto &p : device.printed())
            printed << QStringLiteral("%1 @%2 %3, %4").arg(p.text).arg(p.fontSize).arg(p.x, 0, 'f', 3).arg(p.y, 0, 'f', 3);
        // 1 mm a character: "1 5 0 0" is 7 mm, so the figures start 32 - 7 mm
        // right of 23 + 50,8 mm, and 1 mm more, after where a cheque's "#" goes.
        QCOMPARE(printed, QStringList({"Castelrovo @11 23.000, 135.000", "05/12/2026 @11 48.400, 147.700",
                                       "1 5 0 0, @13 99.800, 135.000", "0 0 @13 23.000, 160.400",
                                       "MILLECINQUECENTO/00 @13 35.700, 135.000", "BRENTOLA SNC @13 23.000, 185.800",
                                       "(numero C/C) @13 35.700, 147.700"}));
        QCOMPARE(device.calls().mid(0, 6), QStringList({"setOrientation(2)", "setUnit(6)", "setFontSize(11)",
                                                        "setFontName(Arial)", "setFontBold(0)", "setFontItalic(0)"}));
        QCOMPARE(device.documentsEnded(), 1);

        // A cheque on the same layout starts each field at the same spot, the
        // figures' digits after its "#" (1 mm here, as any character).
        ChequeLayout layout = labels;
        layout.SXmargin = 2.3f;
        layout.DXmargin = 13.5f;
        RecordingPrintDevice cheque;
        QVERIFY(PrintChequePage(cheque, layout, {"Roma", "05/12/2026", "1500", "MILLE/00", "ROSSI", "000123"}));
        QCOMPARE(cheque.printed().size(), 7);
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(device.printed()[i].x, cheque.printed()[i].x + (i == 2 ? 1.f : 0.f));
            QCOMPARE(device.printed()[i].y, cheque.printed()[i].y);
        }
    }
};

QTEST_GUILESS_MAIN(tst_TestPrint)
#include "tst_testprint.moc"
