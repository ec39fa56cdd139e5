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

    void jobTitle_data()
    {
        QTest::addColumn<QString>("payee");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("title");
        QTest::newRow("payee and amount, grouped") << " ROSSI MARIO " << "1500,5" << "Assegno – ROSSI MARIO – 1.500,50";
        QTest::newRow("typed with the dots") << "ROSSI MARIO" << "1.234.567,89" << "Assegno – ROSSI MARIO – 1.234.567,89";
        QTest::newRow("no payee") << "" << "20" << "Assegno – 20,00";
        QTest::newRow("no amount") << "ROSSI MARIO" << "" << "Assegno – ROSSI MARIO";
    }

    void jobTitle()
    {
        QFETCH(QString, payee);
        QFETCH(QString, amount);
        QFETCH(QString, title);
        RecordingPrintDevice device;
        QVERIFY(PrintChequePage(device, ChequeLayout(), {"Roma", "", amount, "", payee, ""}));
        QVERIFY(device.calls().contains("setJobTitle(" + title + ")"));
    }

    void offPage_data()
    {
        QTest::addColumn<float>("originLeft"); // cm
        QTest::addColumn<float>("numberLeft"); // NUMEROcc, twips
        QTest::addColumn<float>("numberTop");
        QTest::addColumn<QString>("field"); // named in the notice, or none
        QTest::newRow("the default layout") << 2.3f << 2250.f << 2700.f << QString();
        // 297 mm = 2,3 cm + 15533,858 twips
        QTest::newRow("at the paper's right edge") << 2.3f << 15533.f << 2700.f << QString();
        QTest::newRow("past the paper's right edge") << 2.3f << 15540.f << 2700.f << "NUMERO C/C";
        QTest::newRow("a huge position") << 2.3f << 2250.f << 3.4e38f << "NUMERO C/C";
        QTest::newRow("a huge negative position") << 2.3f << -3.4e38f << 2700.f << "NUMERO C/C";
        QTest::newRow("no number at all") << 2.3f << std::numeric_limits<float>::quiet_NaN() << 2700.f << "NUMERO C/C";
        QTest::newRow("an origin left of the paper: the first field named") << -3.f << 2250.f << 2700.f << "LUOGO";
    }

    // A field off the paper prints a cheque without it, and nothing says so.
    void offPage()
    {
        QFETCH(float, originLeft);
        QFETCH(float, numberLeft);
        QFETCH(float, numberTop);
        QFETCH(QString, field);
        ChequeLayout layout;
        layout.SXmargin = originLeft;
        layout.DXmargin = 13.5f;
        layout.LUOGO = {285, 1425};
        layout.GGMMAAAA = layout.IMPORTO_CIFRE = layout.IMPORTO_DEC = layout.IMPORTO_ABC = layout.BENEFICIARIO = {270, 4230};
        layout.NUMEROcc = {numberTop, numberLeft};
        const auto notice = OffPageNotice(layout, "/dati/Quendra7.ini");
        if (field.isEmpty())
            QVERIFY2(!notice, qPrintable(notice.value_or(QString())));
        else
            QCOMPARE(notice.value_or(QString()),
                     "Il campo «" + field + "» del file /dati/Quendra7.ini cade fuori dal foglio: l'assegno non viene "
                     "stampato. Occorre correggerne la posizione con CALIBRAZIONE.");
    }
};

QTEST_GUILESS_MAIN(tst_ChequePrint)
#include "tst_chequeprint.moc"
