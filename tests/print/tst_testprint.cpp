#include "recordingprintdevice.h"
#include "testprint.h"

#include <QtTest>

class tst_TestPrint : public QObject
{
    Q_OBJECT

private slots:
    void marginValue_data();
    void marginValue();
    void shortDate_data();
    void shortDate();
    void page_data();
    void page();
};

void tst_TestPrint::marginValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("tenThousandths");

    QTest::newRow("decimal comma") << "2,3" << qint64(23000);
    QTest::newRow("decimal point") << "2.3" << qint64(23000);
    QTest::newRow("stops at the second comma") << "2,3,4" << qint64(23000);
    QTest::newRow("blanks around") << " 13,5 " << qint64(135000);
    QTest::newRow("blank") << "" << qint64(0);
    QTest::newRow("text") << "abc" << qint64(0);
    QTest::newRow("too large for an amount") << "1e300" << qint64(0);
}

void tst_TestPrint::marginValue()
{
    QFETCH(QString, text);
    QFETCH(qint64, tenThousandths);
    QCOMPARE(MarginValue(text).tenThousandths(), tenThousandths);
}

void tst_TestPrint::shortDate_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Italian dd/MM/yy") << QLocale(QLocale::Italian, QLocale::Italy) << "05/12/2026";
    QTest::newRow("American M/d/yy") << QLocale(QLocale::English, QLocale::UnitedStates) << "12/5/2026";
    QTest::newRow("Japanese, already yyyy") << QLocale(QLocale::Japanese, QLocale::Japan) << "2026/12/05";
}

void tst_TestPrint::shortDate()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    QCOMPARE(ShortDate(QDate(2026, 12, 5), locale), expected);
}

void tst_TestPrint::page_data()
{
    QTest::addColumn<int>("printComma");
    QTest::addColumn<QString>("figures");

    QTest::newRow("ticked") << 1 << "1 5 0 0,";
    QTest::newRow("not ticked") << 0 << "1 5 0 0";
}

void tst_TestPrint::page()
{
    QFETCH(int, printComma);
    QFETCH(QString, figures);

    // Twips that are whole millimetres or halves: 1440 is 25,4 mm, 720 is
    // 12,7 mm. Top, Left of place, date, figures, decimals, words, payee,
    // account; the margins of the record are not the ones printed.
    const ChequeLayout labels{9.f, 9.f, {0, 0}, {720, 1440}, {0, 2880}, {1440, 0}, {0, 720},
                              {2880, 0}, qint16(printComma), {720, 720}};
    RecordingPrintDevice device;
    QVERIFY(PrintTestPage(device, "2,3", "13.5", labels, "05/12/2026"));
    // The recording device measures 1 mm a character: "1 5 0 0" is 7 mm,
    // so the figures start 32 - 7 mm right of 23 + 50,8 mm.
    const QStringList expected{
        "setOrientation(2)", "setUnit(6)", "setFontSize(11)", "setFontName(Arial)", "setFontBold(0)",
        "setFontItalic(0)",
        "setCurrentX(23)", "setCurrentY(135)", "printText(Castelrovo)",
        "setCurrentX(48.4)", "setCurrentY(147.7)", "printText(05/12/2026)",
        "setFontSize(13)", "textWidth(1 5 0 0)",
        "setCurrentX(98.8)", "setCurrentY(135)", "printText(" + figures + ")",
        "setCurrentX(23)", "setCurrentY(160.4)", "printText(0 0)",
        "setCurrentX(35.7)", "setCurrentY(135)", "printText(MILLECINQUECENTO/00)",
        "setCurrentX(23)", "setCurrentY(185.8)", "printText(BRENTOLA SNC)",
        "setCurrentX(35.7)", "setCurrentY(147.7)", "printText((numero C/C))",
        "endDocument()"};
    // Positions to six digits: the device takes single precision.
    QStringList calls = device.calls();
    static const QRegularExpression position(QStringLiteral(R"(^(setCurrent.)\((.*)\)$)"));
    for (QString &call : calls) {
        if (const auto m = position.match(call); m.hasMatch())
            call = m.captured(1) + '(' + QString::number(m.captured(2).toDouble(), 'g', 6) + ')';
    }
    QCOMPARE(calls, expected);
}

QTEST_GUILESS_MAIN(tst_TestPrint)
#include "tst_testprint.moc"
