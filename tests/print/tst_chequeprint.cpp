#include "chequeprint.h"
#include "recordingprintdevice.h"
#include "testlayouts.h"

#include <QtTest>

namespace {

/// The printed texts with their sizes: "BRENTOLA SNC @13".
QStringList printedList(const RecordingPrintDevice &device)
{
    QStringList texts;
    for (const auto &p : device.printed())
        texts << QStringLiteral("%1 @%2").arg(p.text).arg(p.fontSize);
    return texts;
}

/// Where each text went, in millimetres: "BRENTOLA SNC @62.6875,174.4229".
QStringList placedList(const RecordingPrintDevice &device)
{
    QStringList texts;
    for (const auto &p : device.printed())
        texts << QStringLiteral("%1 @%2,%3").arg(p.text).arg(p.x, 0, 'f', 4).arg(p.y, 0, 'f', 4);
    return texts;
}

/// The call sequence with positions left out, which other tests check.
QStringList callShape(const RecordingPrintDevice &device)
{
    QStringList shape;
    for (const auto &call : device.calls()) {
        if (call.op == RecordingPrintDevice::Op::SetCurrentX)
            shape << QStringLiteral("X");
        else if (call.op == RecordingPrintDevice::Op::SetCurrentY)
            shape << QStringLiteral("Y");
        else
            shape << call.toString();
    }
    return shape;
}

ChequeFields sampleFields(const QString &amount = QStringLiteral("1500"))
{
    return {QStringLiteral("Castelrovo"), QStringLiteral("01/02/2024"), amount,
            QStringLiteral("MILLECINQUECENTO/00"), QStringLiteral("BRENTOLA SNC"),
            QStringLiteral("12345")};
}

/// 2 mm per character, whatever the size: easy to add up by hand.
float twoPerCharacter(const QString &text, float)
{
    return 2.0f * float(text.size());
}

} // namespace

class tst_ChequePrint : public QObject
{
    Q_OBJECT

private slots:
    void spaceDigits_data();
    void spaceDigits();
    void decimalDigits_data();
    void decimalDigits();
    void callSequence_data();
    void callSequence();
    void printedTexts_data();
    void printedTexts();
    void positions_data();
    void positions();
    void failuresAreSkipped_data();
    void failuresAreSkipped();
    void testPage_data();
    void testPage();
};

void tst_ChequePrint::spaceDigits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("four digits") << "1500" << "1 5 0 0";
    QTest::newRow("two digits") << "50" << "5 0";
    QTest::newRow("one digit") << "7" << "7";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("blanks around are dropped") << " 12 " << "1 2";
    QTest::newRow("any character") << "-6a" << "- 6 a";
}

void tst_ChequePrint::spaceDigits()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(SpaceDigits(text), expected);
}

void tst_ChequePrint::decimalDigits_data()
{
    QTest::addColumn<qint64>("tenThousandths");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one decimal is padded") << qint64(15005000) << "50";
    QTest::newRow("third decimal is cut, not rounded") << qint64(123450) << "34";
    QTest::newRow("cut even at nine") << qint64(9999) << "99";
    QTest::newRow("whole amount") << qint64(15000000) << "00";
    QTest::newRow("zero") << qint64(0) << "00";
    QTest::newRow("leading zero kept") << qint64(500) << "05";
    QTest::newRow("only the fourth decimal") << qint64(1) << "00";
    QTest::newRow("negative") << qint64(-2500) << "25";
}

void tst_ChequePrint::decimalDigits()
{
    QFETCH(qint64, tenThousandths);
    QFETCH(QString, expected);
    QCOMPARE(DecimalDigits(Currency::fromTenThousandths(tenThousandths)), expected);
}

void tst_ChequePrint::callSequence_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QStringList>("expected");

    const QStringList setUp{"setOrientation(2)", "setUnit(6)", "setFontSize(11)",
                            "setFontName(Arial)", "setFontBold(0)", "setFontItalic(0)"};
    QTest::newRow("full cheque")
        << "1500"
        << setUp + QStringList{"X", "Y", "printText(Castelrovo)",
                               "X", "Y", "printText(01/02/2024)",
                               "setFontSize(13)", "textWidth(1 5 0 0)",
                               "X", "Y", "printText(#1 5 0 0,)",
                               "X", "Y", "printText(0 0)",
                               "setFontSize(11)", "X", "Y", "printText(MILLECINQUECENTO/00###)",
                               "setFontSize(13)", "X", "Y", "printText(BRENTOLA SNC)",
                               "setFontSize(11)", "X", "Y", "printText(12345)",
                               "endDocument()"};
    // Nothing to show for figures and words, yet the positions are still set.
    QTest::newRow("amount 0")
        << "0"
        << setUp + QStringList{"X", "Y", "printText(Castelrovo)",
                               "X", "Y", "printText(01/02/2024)",
                               "setFontSize(13)", "textWidth(0)", "X", "Y",
                               "X", "Y", "printText(0 0)",
                               "setFontSize(11)", "X", "Y",
                               "setFontSize(13)", "X", "Y", "printText(BRENTOLA SNC)",
                               "setFontSize(11)", "X", "Y", "printText(12345)",
                               "endDocument()"};
}

void tst_ChequePrint::callSequence()
{
    QFETCH(QString, amount);
    QFETCH(QStringList, expected);

    RecordingPrintDevice device;
    QVERIFY(PrintChequePage(device, defaultLayout(), sampleFields(amount)));
    QCOMPARE(callShape(device), expected);
}

void tst_ChequePrint::printedTexts_data()
{
    QTest::addColumn<ChequeFields>("fields");
    QTest::addColumn<int>("printComma");
    QTest::addColumn<QStringList>("expected");

    const QString place = QStringLiteral("Castelrovo @11");
    const QString date = QStringLiteral("01/02/2024 @11");
    const QString payee = QStringLiteral("BRENTOLA SNC @13");
    const QString account = QStringLiteral("12345 @11");
    const QString words = QStringLiteral("MILLECINQUECENTO/00### @11");

    QTest::newRow("1500") << sampleFields("1500") << 1
        << QStringList{place, date, "#1 5 0 0, @13", "0 0 @13", words, payee, account};
    QTest::newRow("1500, no comma") << sampleFields("1500") << 0
        << QStringList{place, date, "#1 5 0 0 @13", "0 0 @13", words, payee, account};
    QTest::newRow("comma flag other than 1") << sampleFields("1500") << -1
        << QStringList{place, date, "#1 5 0 0 @13", "0 0 @13", words, payee, account};
    QTest::newRow("1500,5") << sampleFields("1500,5") << 1
        << QStringList{place, date, "#1 5 0 0, @13", "5 0 @13", words, payee, account};
    QTest::newRow("12,345") << sampleFields("12,345") << 1
        << QStringList{place, date, "#1 2, @13", "3 4 @13", words, payee, account};
    QTest::newRow("0") << sampleFields("0") << 1
        << QStringList{place, date, "0 0 @13", payee, account};
    QTest::newRow("a tiny amount is still printed") << sampleFields("0,001") << 1
        << QStringList{place, date, "#0, @13", "0 0 @13", words, payee, account};
    QTest::newRow("blank") << sampleFields("   ") << 1
        << QStringList{place, date, payee, account};
    QTest::newRow("not an amount prints as 0") << sampleFields(",") << 1
        << QStringList{place, date, "0 0 @13", payee, account};

    ChequeFields noWords = sampleFields("7");
    noWords.IMPORTO_ABC.clear();
    QTest::newRow("no words") << noWords << 1
        << QStringList{place, date, "#7, @13", "0 0 @13", "### @11", payee, account};

    const ChequeFields asTyped{" Roma ", "", "1500", " MILLE ", "", " 12 "};
    QTest::newRow("texts as typed")
        << asTyped << 1
        << QStringList{" Roma  @11", " @11", "#1 5 0 0, @13", "0 0 @13", " MILLE ### @11",
                       " @13", " 12  @11"};
    const ChequeFields onlyAccount{"", "", "", "", "", "IT001"};
    QTest::newRow("only the account number")
        << onlyAccount << 1 << QStringList{" @11", " @11", " @13", "IT001 @11"};
}

void tst_ChequePrint::printedTexts()
{
    QFETCH(ChequeFields, fields);
    QFETCH(int, printComma);
    QFETCH(QStringList, expected);

    RecordingPrintDevice device;
    ChequeLayout layout = defaultLayout();
    layout.PrintComma = qint16(printComma);
    PrintChequePage(device, layout, fields);
    QCOMPARE(printedList(device), expected);
    QCOMPARE(device.documentsEnded(), 1);
    for (const auto &p : device.printed()) {
        QCOMPARE(p.fontName, QStringLiteral("Arial"));
        QVERIFY(!p.bold && !p.italic);
    }
}

void tst_ChequePrint::positions_data()
{
    QTest::addColumn<ChequeLayout>("layout");
    QTest::addColumn<QStringList>("expected");

    // Millimetres: twips x 25.4 / 1440 plus ten times the origin in cm. The
    // figures start 32 mm right of their position less the width of
    // "1 5 0 0" (7 characters, 14 mm here).
    QTest::newRow("default layout")
        << defaultLayout()
        << QStringList{"Castelrovo @48.1354,140.0271", "01/02/2024 @97.6125,139.7625",
                       "#1 5 0 0, @147.0979,139.7625", "0 0 @165.3458,139.7625",
                       "MILLECINQUECENTO/00### @60.0417,165.6917",
                       "BRENTOLA SNC @62.6875,174.4229", "12345 @62.6875,182.6250"};

    ChequeLayout odd;
    odd.SXmargin = 0.55f;
    odd.DXmargin = -1.0f;
    odd.LUOGO = {1440, 0};
    odd.GGMMAAAA = {0, 1440};
    odd.IMPORTO_CIFRE = {100.5f, 0};
    odd.IMPORTO_DEC = {2000, 3000};
    odd.IMPORTO_ABC = {7, 11};
    odd.BENEFICIARIO = {14400, 14400};
    odd.NUMEROcc = {568, 568};
    QTest::newRow("fractions and a negative origin")
        << odd
        << QStringList{"Castelrovo @5.5000,15.4000", "01/02/2024 @30.9000,-10.0000",
                       "#1 5 0 0 @23.5000,-8.2273", "0 0 @58.4167,25.2778",
                       "MILLECINQUECENTO/00### @5.6940,-9.8765",
                       "BRENTOLA SNC @259.5000,244.0000", "12345 @15.5189,0.0189"};
}

void tst_ChequePrint::positions()
{
    QFETCH(ChequeLayout, layout);
    QFETCH(QStringList, expected);

    RecordingPrintDevice device;
    device.setWidthFunction(twoPerCharacter);
    PrintChequePage(device, layout, sampleFields());
    QCOMPARE(placedList(device), expected);
}

void tst_ChequePrint::failuresAreSkipped_data()
{
    QTest::addColumn<QList<int>>("failing");
    QTest::addColumn<QStringList>("printed");

    // Without a width the figures start a full 32 mm right of their place.
    QTest::newRow("width cannot be measured")
        << QList<int>{int(RecordingPrintDevice::Op::TextWidth)}
        << QStringList{"Castelrovo @48.1354,140.0271", "01/02/2024 @97.6125,139.7625",
                       "#1 5 0 0, @161.0979,139.7625", "0 0 @165.3458,139.7625",
                       "MILLECINQUECENTO/00### @60.0417,165.6917",
                       "BRENTOLA SNC @62.6875,174.4229", "12345 @62.6875,182.6250"};
    QTest::newRow("nothing can be printed")
        << QList<int>{int(RecordingPrintDevice::Op::PrintText),
                      int(RecordingPrintDevice::Op::EndDocument)}
        << QStringList{};
}

void tst_ChequePrint::failuresAreSkipped()
{
    QFETCH(QList<int>, failing);
    QFETCH(QStringList, printed);

    RecordingPrintDevice reference;
    reference.setWidthFunction(twoPerCharacter);
    QVERIFY(PrintChequePage(reference, defaultLayout(), sampleFields()));

    RecordingPrintDevice device;
    device.setWidthFunction(twoPerCharacter);
    for (int op : failing)
        device.setFailing(RecordingPrintDevice::Op(op));
    QVERIFY(!PrintChequePage(device, defaultLayout(), sampleFields()));

    // Every step is still attempted, in the same order.
    QCOMPARE(callShape(device), callShape(reference));
    QCOMPARE(placedList(device), printed);
}

void tst_ChequePrint::testPage_data()
{
    QTest::addColumn<bool>("printComma");
    QTest::addColumn<QString>("figures");

    QTest::newRow("comma ticked") << true << "1 5 0 0,";
    QTest::newRow("comma not ticked") << false << "1 5 0 0";
}

void tst_ChequePrint::testPage()
{
    QFETCH(bool, printComma);
    QFETCH(QString, figures);

    TestPagePositions labels;
    labels.LUOGO = {25.0, 5.0};
    labels.GGMMAAAA = {74.5, 4.75};
    labels.IMPORTO_CIFRE = {106.0, 4.75};
    labels.IMPORTO_DEC = {142.25, 4.75};
    labels.IMPORTO_ABC = {37.0, 30.5};
    labels.BENEFICIARIO = {39.5, 39.25};
    labels.NUMEROcc = {39.5, 47.5};

    RecordingPrintDevice device;
    device.setWidthFunction(twoPerCharacter);
    QVERIFY(PrintTestPage(device, labels, 23.0, 135.0, printComma, QStringLiteral("05/12/2026")));

    QCOMPARE(device.callTexts().mid(0, 6),
             (QStringList{"setOrientation(2)", "setUnit(6)", "setFontSize(11)",
                          "setFontName(Arial)", "setFontBold(0)", "setFontItalic(0)"}));
    QCOMPARE(device.callTexts().last(), QStringLiteral("endDocument()"));

    // The width of "1 5 0 0" is taken before the comma is added: 14 mm.
    QCOMPARE(placedList(device),
             (QStringList{"Castelrovo @48.0000,140.0000", "05/12/2026 @97.5000,139.7500",
                          figures + " @147.0000,139.7500", "0 0 @165.2500,139.7500",
                          "MILLECINQUECENTO/00 @60.0000,165.5000",
                          "BRENTOLA SNC @62.5000,174.2500", "(numero C/C) @62.5000,182.5000"}));
    QCOMPARE(printedList(device).last(), QStringLiteral("(numero C/C) @13"));
    QCOMPARE(printedList(device).at(1), QStringLiteral("05/12/2026 @11"));
}

QTEST_GUILESS_MAIN(tst_ChequePrint)
#include "tst_chequeprint.moc"
