#include "chequeprint.h"
#include "recordingprintdevice.h"

#include <QtTest>

namespace {
const QStringList SetUp{"setOrientation(2)", "setUnit(6)",     "setFontSize(11)",
                        "setFontName(Arial)", "setFontBold(0)", "setFontItalic(0)"};
} // namespace

class tst_ChequePrint : public QObject
{
    Q_OBJECT

private slots:
    void amountArea_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("printComma");
        QTest::addColumn<QStringList>("area"); // each printed text with its size

        const QString words = QStringLiteral("MILLE/00### @11");
        QTest::newRow("1500") << "1500" << 1 << QStringList{"#1 5 0 0, @13", "0 0 @13", words};
        QTest::newRow("1500, no comma") << "1500" << 0 << QStringList{"#1 5 0 0 @13", "0 0 @13", words};
        QTest::newRow("1500,5") << "1500,5" << 1 << QStringList{"#1 5 0 0, @13", "5 0 @13", words};
        QTest::newRow("dot for thousands") << "1.500,5" << 1 << QStringList{"#1 5 0 0, @13", "5 0 @13", words};
        QTest::newRow("keypad dot for cents") << "1500.50" << 1 << QStringList{"#1 5 0 0, @13", "5 0 @13", words};
        QTest::newRow("not an amount: decimals only") << "12,345" << 1 << QStringList{"0 0 @13"};
        QTest::newRow("0: decimals only") << "0" << 1 << QStringList{"0 0 @13"};
        QTest::newRow("blank: nothing") << "  " << 1 << QStringList{};
    }

    void amountArea()
    {
        QFETCH(QString, amount);
        QFETCH(int, printComma);
        QFETCH(QStringList, area);

        RecordingPrintDevice device;
        ChequeLayout layout;
        layout.PrintComma = qint16(printComma);
        QVERIFY(PrintChequePage(device, layout, {"Castelrovo", "01/02/2024", amount, "MILLE/00", "BRENTOLA SNC", "12345"}));
        QCOMPARE(device.calls().mid(0, 6), SetUp);
        QStringList printed;
        for (const auto &p : device.printed())
            printed << QStringLiteral("%1 @%2").arg(p.text).arg(p.fontSize);
        QCOMPARE(printed, QStringList({"Castelrovo @11", "01/02/2024 @11"}) + area
                              + QStringList({"BRENTOLA SNC @13", "12345 @11"}));
        QCOMPARE(device.documentsEnded(), 1);
    }
};

QTEST_GUILESS_MAIN(tst_ChequePrint)
#include "tst_chequeprint.moc"
