#include "chequeprint.h"
#include "recordingprintdevice.h"

#include <QtTest>

namespace {
const QStringList SetUp{"setOrientation(2)", "setUnit(6)",     "setFontSize(11)",
                        "setFontName(Arial)", "setFontBold(0)", "setFontItalic(0)"};

ChequeFields sampleFields(const QString &amount)
{
    return {"Castelrovo", "01/02/2024", amount, "MILLE/00", "BRENTOLA SNC", "12345"};
}

/// "BRENTOLA SNC @13": each printed text with its size.
QStringList printedList(const RecordingPrintDevice &device)
{
    QStringList texts;
    for (const auto &p : device.printed())
        texts << QStringLiteral("%1 @%2").arg(p.text).arg(p.fontSize);
    return texts;
}
} // namespace

class tst_ChequePrint : public QObject
{
    Q_OBJECT

private slots:
    void digits_data();
    void digits();
    void amountArea_data();
    void amountArea();
    void failedStepIsSkipped();
    void testPageSharesTheSetUp();
};

void tst_ChequePrint::digits_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");

    QTest::newRow("SpaceDigits 1500") << SpaceDigits("1500") << "1 5 0 0";
    QTest::newRow("SpaceDigits 50") << SpaceDigits("50") << "5 0";
    QTest::newRow("SpaceDigits empty") << SpaceDigits("") << "";
    auto decimals = [](qint64 tenThousandths) {
        return DecimalDigits(Currency::fromTenThousandths(tenThousandths));
    };
    QTest::newRow("DecimalDigits 1500,5 padded") << decimals(15005000) << "50";
    QTest::newRow("DecimalDigits 12,345 cut") << decimals(123450) << "34";
    QTest::newRow("DecimalDigits 0,05 keeps its zero") << decimals(500) << "05";
    QTest::newRow("DecimalDigits 1500") << decimals(15000000) << "00";
}

void tst_ChequePrint::digits()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void tst_ChequePrint::amountArea_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<int>("printComma");
    QTest::addColumn<QStringList>("area");

    const QString words = QStringLiteral("MILLE/00### @11");
    QTest::newRow("1500") << "1500" << 1 << QStringList{"#1 5 0 0, @13", "0 0 @13", words};
    QTest::newRow("1500, no comma") << "1500" << 0 << QStringList{"#1 5 0 0 @13", "0 0 @13", words};
    QTest::newRow("1500,5") << "1500,5" << 1 << QStringList{"#1 5 0 0, @13", "5 0 @13", words};
    QTest::newRow("12,345") << "12,345" << 1 << QStringList{"#1 2, @13", "3 4 @13", words};
    QTest::newRow("0: decimals only") << "0" << 1 << QStringList{"0 0 @13"};
    QTest::newRow("blank: nothing") << "  " << 1 << QStringList{};
}

void tst_ChequePrint::amountArea()
{
    QFETCH(QString, amount);
    QFETCH(int, printComma);
    QFETCH(QStringList, area);

    RecordingPrintDevice device;
    ChequeLayout layout;
    layout.PrintComma = qint16(printComma);
    QVERIFY(PrintChequePage(device, layout, sampleFields(amount)));
    QCOMPARE(device.callTexts().mid(0, 6), SetUp);
    QCOMPARE(printedList(device),
             QStringList({"Castelrovo @11", "01/02/2024 @11"}) + area
                 + QStringList({"BRENTOLA SNC @13", "12345 @11"}));
    QCOMPARE(device.documentsEnded(), 1);
}

void tst_ChequePrint::failedStepIsSkipped()
{
    RecordingPrintDevice device;
    device.setFailing(RecordingPrintDevice::Op::TextWidth);
    QVERIFY(!PrintChequePage(device, ChequeLayout(), sampleFields("1500")));
    QCOMPARE(device.printed().size(), 7);
    // Unmeasured, the figures start the full 32 mm right of their place.
    QCOMPARE(device.printed().at(2).x, 32.0f);
    QCOMPARE(device.documentsEnded(), 1);
}

void tst_ChequePrint::testPageSharesTheSetUp()
{
    TestPagePositions labels;
    labels.IMPORTO_CIFRE = {106.0, 4.75};
    RecordingPrintDevice device; // 1 mm per character
    QVERIFY(PrintTestPage(device, labels, 23.0, 135.0, true, "05/12/2026"));
    QCOMPARE(device.callTexts().mid(0, 6), SetUp);
    const RecordingPrintDevice::Printed figures = device.printed().at(2);
    QCOMPARE(figures.text, QStringLiteral("1 5 0 0,"));
    QCOMPARE(figures.x, 154.0f); // the comma is not in the measured width
    QCOMPARE(figures.y, 139.75f);
    QCOMPARE(device.printed().last().fontSize, 13.0f);
}

QTEST_GUILESS_MAIN(tst_ChequePrint)
#include "tst_chequeprint.moc"
