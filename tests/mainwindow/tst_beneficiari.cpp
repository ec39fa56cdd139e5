#include "textfile.h"
#include "windowfixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

using Answer = MessageBoxes::Answer;
using Icon = MessageBoxes::Icon;
using Request = MessageBoxes::Request;

namespace {

Request addQuestion(const QString &name)
{
    return {QStringLiteral("Si desidera aggiungere «") + name + QStringLiteral("» all'archivio dei Beneficiari?"),
            QStringLiteral("ATTENZIONE"), Icon::Exclamation, MessageBoxes::Buttons::YesNo, Answer::Yes};
}

Request deleteQuestion(const QString &name)
{
    return {QStringLiteral("Si desidera ELIMINARE «") + name + QStringLiteral("» all'archivio dei Beneficiari?"),
            QStringLiteral("ATTENZIONE"), Icon::Critical, MessageBoxes::Buttons::YesNo, Answer::No};
}

Request notice(const QString &text, Icon icon)
{
    return {text, QStringLiteral("Quendra"), icon, MessageBoxes::Buttons::Ok, Answer::Ok};
}

} // namespace

class TestBeneficiari : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void archive_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("before"); // "<none>" or Beneficiari.ini; "NAME=" first: the file NAME
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QList<Request>>("asked");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("fieldAfter"); // "=": as typed

        QTest::newRow("first name creates the file") << "AddBEN"
            << QByteArray("<none>") << "ROSSI MARIO" << int(Answer::Yes) << QList<Request>{addQuestion("ROSSI MARIO")}
            << QByteArray("ROSSI MARIO\r\n") << "=";
        QTest::newRow("accented name appended in the archive's code page") << "AddBEN"
            << QByteArray("Citt\xe0 di Castelrovo\r\n") << "Perché Sì €uro" << int(Answer::Yes)
            << QList<Request>{addQuestion("Perché Sì €uro")}
            << QByteArray("Citt\xe0 di Castelrovo\r\nPerch\xe9 S\xec \x80uro\r\n") << "=";
        QTest::newRow("blanks around are trimmed") << "AddBEN"
            << QByteArray("ROSSI MARIO\r\n") << "   BIANCHI LUCA  " << int(Answer::Yes)
            << QList<Request>{addQuestion("BIANCHI LUCA")} << QByteArray("ROSSI MARIO\r\nBIANCHI LUCA\r\n") << "=";
        QTest::newRow("case differs: a new name") << "AddBEN"
            << QByteArray("ROSSI MARIO\r\n") << "Rossi Mario" << int(Answer::Yes)
            << QList<Request>{addQuestion("Rossi Mario")} << QByteArray("ROSSI MARIO\r\nRossi Mario\r\n") << "=";
        QTest::newRow("already present") << "AddBEN"
            << QByteArray("ROSSI MARIO\r\n") << " ROSSI MARIO" << int(Answer::Yes)
            << QList<Request>{notice("Beneficiario già presente.", Icon::Exclamation)} << QByteArray("ROSSI MARIO\r\n") << "=";
        QTest::newRow("name the archive cannot hold, each character named") << "AddBEN"
            << QByteArray("ROSSI MARIO\r\n") << "Łukasz\u2003Wiśniewski" << int(Answer::Yes)
            << QList<Request>{notice("Il Beneficiario «Łukasz\u2003Wiśniewski» contiene caratteri che l'archivio "
                                     "dei Beneficiari non può conservare (Ł U+2003 ś) e non viene salvato.",
                                     Icon::Exclamation)}
            << QByteArray("ROSSI MARIO\r\n") << "=";
        const QByteArray three = "ROSSI MARIO\r\n\r\nBIANCHI LUCA\r\n  \r\nVERDI ANNA\r\n";
        QTest::newRow("middle entry, empty lines dropped") << "DelBEN"
            << three << " BIANCHI LUCA " << int(Answer::Yes) << QList<Request>{deleteQuestion("BIANCHI LUCA")}
            << QByteArray("ROSSI MARIO\r\nVERDI ANNA\r\n") << "";
        QTest::newRow("answer No keeps everything") << "DelBEN"
            << three << "BIANCHI LUCA" << int(Answer::No) << QList<Request>{deleteQuestion("BIANCHI LUCA")} << three
            << "BIANCHI LUCA";
        QTest::newRow("unknown name clears the field, asks nothing") << "DelBEN"
            << three << "GIALLI" << int(Answer::Yes) << QList<Request>{} << three << "";
        QTest::newRow("empty field does nothing") << "DelBEN" << three << "  " << int(Answer::Yes) << QList<Request>{} << three << "  ";
        QTest::newRow("duplicate: the first goes") << "DelBEN"
            << QByteArray("A\r\nB\r\nA\r\n") << "A" << int(Answer::Yes) << QList<Request>{deleteQuestion("A")}
            << QByteArray("B\r\nA\r\n") << "";
        QTest::newRow("Windows name: our file gets its names and the new one") << "AddBEN"
            << QByteArray("BENEFICIARI.INI=ROSSI MARIO\r\n") << "NERI PAOLO" << int(Answer::Yes)
            << QList<Request>{addQuestion("NERI PAOLO")} << QByteArray("ROSSI MARIO\r\nNERI PAOLO\r\n") << "=";
    }

    void archive()
    {
        QFETCH(QString, button);
        QFETCH(QByteArray, before);
        QFETCH(QString, typed);
        QFETCH(int, answer);
        QFETCH(QByteArray, after);
        QFETCH(QString, fieldAfter);

        WindowFixture w;
        const QList<QByteArray> named = before.split('='); // no name of these rows holds "="
        if (before != "<none>")
            w.write(named.size() > 1 ? named.first().constData() : "Beneficiari.ini", named.last());
        QVERIFY(w.window.load());
        w.messages.answers = {Answer(answer)};
        w.window.BENEFICIARIO->setEditText(typed);
        QTest::mouseClick(w.window.findChild<QPushButton *>(button), Qt::LeftButton);
        QTEST(w.messages.asked, "asked");
        QCOMPARE(w.bytes("Beneficiari.ini"), after);
        QCOMPARE(w.payees(), TextFile::splitLines(after).filter(QRegularExpression(QStringLiteral("\\S"))));
        QCOMPARE(w.window.BENEFICIARIO->currentText(), fieldAfter == QLatin1String("=") ? typed : fieldAfter);
    }

    void emptyNameKeepsFocusInTheField()
    {
        WindowFixture w;
        QVERIFY(w.show());
        w.window.BENEFICIARIO->setEditText(QStringLiteral("    "));
        w.window.AddBEN->setFocus();
        QTest::mouseClick(w.window.AddBEN, Qt::LeftButton);
        QCOMPARE(w.messages.asked, QList<Request>{notice("Occorre digitare un Beneficiario.", Icon::Critical)});
        QTRY_VERIFY(w.window.BENEFICIARIO->isAncestorOf(QApplication::focusWidget())
                    || w.window.BENEFICIARIO->hasFocus());
        QCOMPARE(w.bytes("Beneficiari.ini"), QByteArray("<missing>"));
    }

    void silentModeOnlyAsksForNewNames()
    {
        WindowFixture w(WindowFixture::Files{{"Beneficiari.ini", "ROSSI MARIO\r\n"}});
        QVERIFY(w.window.load());
        for (const char *name : {"ROSSI MARIO", "  ", "NERI PAOLO"}) {
            w.window.BENEFICIARIO->setEditText(QLatin1String(name));
            w.messages.answers = {Answer::Yes};
            w.window.SaveBeneficiario(true);
        }
        QCOMPARE(w.messages.asked, QList<Request>{addQuestion("NERI PAOLO")});
        QCOMPARE(w.bytes("Beneficiari.ini"), QByteArray("ROSSI MARIO\r\nNERI PAOLO\r\n"));
    }
};

QTEST_MAIN(TestBeneficiari)
#include "tst_beneficiari.moc"
