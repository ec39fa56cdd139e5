#include "filesizelimit.h"
#include "windowfixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using Answer = MessageBoxes::Answer;

namespace {

QStringList printedTexts(const RecordingPrintDevice &printer)
{
    QStringList texts;
    for (const auto &p : printer.printed())
        texts.append(p.text);
    return texts;
}

} // namespace

class TestStampaAssegno : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusedBeforeAnything_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("message");
        QTest::newRow("all blank") << " " << "Occorre inserire almeno un dato per poter stampare.";
        QTest::newRow("an amount cut short")
            << "1.500." << "L'importo «1.500.» non è completo: l'importo si scrive in euro con la virgola per i "
                           "centesimi (al massimo due cifre) e, se si vuole, il punto per le migliaia: per esempio "
                           "1.500,50 oppure 1500,50.";
        QTest::newRow("a lone comma") << "," << "L'importo «,» non è completo: l'importo si scrive in euro con la "
                                                "virgola per i centesimi (al massimo due cifre) e, se si vuole, il "
                                                "punto per le migliaia: per esempio 1.500,50 oppure 1500,50.";
    }

    void refusedBeforeAnything()
    {
        QFETCH(QString, amount);
        QFETCH(QString, message);
        WindowFixture w;
        QVERIFY(w.window.load());
        w.window.LUOGO->setText(QStringLiteral("   "));
        w.window.IMPORTO->setText(amount);
        w.window.BENEFICIARIO->setEditText(QStringLiteral(" "));
        QVERIFY(!w.pressPrint(Qt::Key_Return));
        QCOMPARE(w.messages.asked, (QList<MessageBoxes::Request>{{message, "Quendra", MessageBoxes::Icon::Critical}}));
        QVERIFY(w.printer.calls().isEmpty());
        QCOMPARE(w.bytes("Quendra.ini"), DefaultLayoutBytes);
    }

    void offPageLayoutPrintsNothing()
    {
        const QByteArray layout = "\r\n2,3\r\n13,5\r\n285\r\n1425\r\n270\r\n4230\r\n270\r\n6015\r\n270\r\n8070\r\n"
                                  "1740\r\n2100\r\n2235\r\n2250\r\n1\r\n\r\n-340000000000000000000000000000000000000\r\n2250\r\n";
        WindowFixture w({{"Quendra.ini", layout}});
        QVERIFY(w.window.load());
        w.window.IMPORTO->setText(QStringLiteral("10"));
        QVERIFY(!w.pressPrint(Qt::Key_Return));
        QCOMPARE(w.messages.asked.size(), 1);
        QCOMPARE(w.messages.asked.at(0).text, "Il campo «NUMERO C/C» del file " + w.path("Quendra.ini")
                                                  + " cade fuori dal foglio: l'assegno non viene stampato. Occorre "
                                                    "correggerne la posizione con CALIBRAZIONE.");
        QVERIFY(w.printer.calls().isEmpty());
        QCOMPARE(w.bytes("Quendra.ini"), layout);
    }

    void printsAndRemembersPlaceAndAccount()
    {
        WindowFixture w;
        QVERIFY(w.window.load());
        w.window.GGMMAAAA->setText(QStringLiteral("5 dicembre 2026"));
        w.window.IMPORTO->setText(QStringLiteral("1500,5"));
        w.window.BENEFICIARIO->setEditText(QStringLiteral("ROSSI MARIO"));
        w.window.NumCC->setText(QStringLiteral(" 000123456 "));
        // Two prints in a row: the file keeps the second place; a payee answered
        // No is not stored but the cheque is printed all the same.
        for (const char *place : {"Roma", "  Castelrovo "}) {
            w.window.LUOGO->setText(QLatin1String(place));
            w.messages.answers = {Answer::No};
            QVERIFY(w.pressPrint(Qt::Key_Return));
        }
        QCOMPARE(w.messages.asked.size(), 2);
        QCOMPARE(w.bytes("Beneficiari.ini"), QByteArray("<missing>"));
        QCOMPARE(w.bytes("Quendra.ini"),
                 QByteArray("Castelrovo\r\n 2,3 \r\n 13,5 \r\n 285 \r\n 1425 \r\n 270 \r\n 4230 \r\n 270 \r\n"
                            " 6015 \r\n 270 \r\n 8070 \r\n 1740 \r\n 2100 \r\n 2235 \r\n 2250 \r\n 1 \r\n"
                            "000123456\r\n 2700 \r\n 2250 \r\n"));
        QCOMPARE(w.printer.documentsEnded(), 2);
        QCOMPARE(printedTexts(w.printer).mid(7), (QStringList{"  Castelrovo ", "5 dicembre 2026", "#1 5 0 0,", "5 0",
                                                             "MILLECINQUECENTO / 50###", "ROSSI MARIO", " 000123456 "}));
    }

    void bankWithoutLayoutFilePrintsTheDefault()
    {
        WindowFixture w;
        QVERIFY(w.window.load());
        // The default file calibrated and named as on Windows; the layout held is another bank's.
        QVERIFY(QFile::remove(w.path("Quendra.ini")));
        w.write("QUENDRA.INI", "Roma\r\n3\r\n12\r\n300\r\n1400\r\n270\r\n4230\r\n270\r\n6015\r\n270\r\n8070\r\n"
                               "1740\r\n2100\r\n2235\r\n2250\r\n0\r\n999\r\n2700\r\n1440\r\n");
        w.state.layout.NUMEROcc.left = 500;
        w.state.IDbanca = 12;
        w.window.NumCC->setText(QStringLiteral("CC 99"));
        QVERIFY(w.pressPrint(Qt::Key_Return));
        QCOMPARE(w.bytes("Quendra12.ini"),
                 QByteArray("\r\n 3 \r\n 12 \r\n 300 \r\n 1400 \r\n 270 \r\n 4230 \r\n 270 \r\n 6015 \r\n 270 \r\n 8070 \r\n"
                            " 1740 \r\n 2100 \r\n 2235 \r\n 2250 \r\n 0 \r\nCC 99\r\n 2700 \r\n 1440 \r\n"));
        QCOMPARE(printedTexts(w.printer), (QStringList{"", "", "", "CC 99"}));
        QCOMPARE(w.printer.printed().last().x, 55.4f); // 30 mm and 1440 twips
    }

    void unstorablePayeeIsToldAndPrinted()
    {
        WindowFixture w;
        QVERIFY(w.window.load());
        w.window.BENEFICIARIO->setEditText(QStringLiteral("Łukasz"));
        QVERIFY(w.pressPrint(Qt::Key_Return));
        QCOMPARE(w.messages.asked, (QList<MessageBoxes::Request>{
                                       {"Il Beneficiario «Łukasz» contiene caratteri che l'archivio dei Beneficiari "
                                        "non può conservare (Ł) e non viene salvato.",
                                        "Quendra", MessageBoxes::Icon::Exclamation}}));
        QCOMPARE(printedTexts(w.printer).last(), QStringLiteral("Łukasz"));
        QCOMPARE(w.bytes("Beneficiari.ini"), QByteArray("<missing>"));
    }

    void fullDiskIsToldAndTheChequePrinted()
    {
        WindowFixture w(WindowFixture::Files{{"Beneficiari.ini", "ROSSI MARIO\r\n"}});
        FileSizeLimit full(8);
        QVERIFY(w.window.load());
        w.window.LUOGO->setText(QStringLiteral("Castelrovo"));
        w.window.BENEFICIARIO->setEditText(QStringLiteral("NERI PAOLO"));
        w.messages.answers = {Answer::Yes};
        QVERIFY(w.pressPrint(Qt::Key_Return));
        w.window.BENEFICIARIO->setEditText(QStringLiteral("ROSSI MARIO"));
        w.messages.answers = {Answer::Yes};
        QTest::mouseClick(w.window.DelBEN, Qt::LeftButton);
        auto unsaved = [&](const char *name) {
            return MessageBoxes::Request{"Il file «" + w.path(name) + "» non è stato salvato: il file supera "
                                         "la dimensione concessa.", "Quendra", MessageBoxes::Icon::Critical};
        };
        // Start-up, the payee's append, the print's rewrite, its row, the deletion.
        QCOMPARE(w.messages.asked.size(), 7);
        QCOMPARE(w.messages.asked.at(0), unsaved("Quendra.ini"));
        QCOMPARE(w.messages.asked.at(2), unsaved("Beneficiari.ini"));
        QCOMPARE(w.messages.asked.at(3), unsaved("Quendra.ini"));
        QVERIFY(w.messages.asked.at(4).text.startsWith("L'assegno è stato stampato ma non è stato scritto nel registro"));
        QCOMPARE(w.messages.asked.at(6), unsaved("Beneficiari.ini"));
        QCOMPARE(w.bytes("Quendra.ini"), QByteArray("<missing>"));
        QCOMPARE(w.bytes("Beneficiari.ini"), QByteArray("ROSSI MARIO\r\n"));
        QCOMPARE(w.payees(), QStringList{"NERI PAOLO"});
        QCOMPARE(printedTexts(w.printer), (QStringList{"Castelrovo", "", "NERI PAOLO"}));
    }
};

QTEST_MAIN(TestStampaAssegno)
#include "tst_stampaassegno.moc"
