#include "appstate.h"
#include "fakemessageboxes.h"
#include "frminput.h"
#include "recordingprintdevice.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using Answer = MessageBoxes::Answer;
using Icon = MessageBoxes::Icon;

namespace {

struct Window
{
    explicit Window(const QByteArray &archive = QByteArray(), bool withFile = false)
    {
        QDir().mkpath(folder());
        if (withFile) {
            QFile f(file());
            if (f.open(QIODevice::WriteOnly))
                f.write(archive);
        }
        loaded = window.load();
    }
    QString folder() const { return dir.filePath(QStringLiteral("Quendra")); }
    QString file() const { return folder() + QLatin1String("/Beneficiari.ini"); }
    QByteArray bytes() const
    {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QStringList items() const
    {
        QStringList list;
        for (int i = 0; i < window.BENEFICIARIO->count(); ++i)
            list.append(window.BENEFICIARIO->itemText(i));
        return list;
    }

    QTemporaryDir dir;
    AppState state;
    FakeMessageBoxes messages;
    FakeUrlOpener urls;
    RecordingPrintDevice printer;
    FrmInput window{state, folder(), messages, urls, printer};
    bool loaded = false;
};

} // namespace

class TestBeneficiari : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void add_data();
    void add();
    void emptyNameIsReported_data();
    void emptyNameIsReported();
    void silentModeStillAsksForNewNames();
    void unstorableNameIsRefused();
    void remove_data();
    void remove();
    void accentedArchiveRoundTrips();
};

void TestBeneficiari::add_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QStringList>("items");

    const QString none;
    QTest::newRow("first name creates the file")
        << QByteArray() << "ROSSI MARIO" << int(Answer::Yes)
        << "Si desidera aggiungere «ROSSI MARIO» all'archivio dei Beneficiari?"
        << QByteArray("ROSSI MARIO\r\n") << QStringList{"ROSSI MARIO"};
    QTest::newRow("blanks around are trimmed")
        << QByteArray("ROSSI MARIO\r\n") << "   BIANCHI LUCA  " << int(Answer::Yes)
        << "Si desidera aggiungere «BIANCHI LUCA» all'archivio dei Beneficiari?"
        << QByteArray("ROSSI MARIO\r\nBIANCHI LUCA\r\n") << QStringList{"ROSSI MARIO", "BIANCHI LUCA"};
    QTest::newRow("case differs: a new name")
        << QByteArray("ROSSI MARIO\r\n") << "Rossi Mario" << int(Answer::Yes)
        << "Si desidera aggiungere «Rossi Mario» all'archivio dei Beneficiari?"
        << QByteArray("ROSSI MARIO\r\nRossi Mario\r\n") << QStringList{"ROSSI MARIO", "Rossi Mario"};
    QTest::newRow("answer No stores nothing")
        << QByteArray("ROSSI MARIO\r\n") << "VERDI ANNA" << int(Answer::No)
        << "Si desidera aggiungere «VERDI ANNA» all'archivio dei Beneficiari?"
        << QByteArray("ROSSI MARIO\r\n") << QStringList{"ROSSI MARIO"};
}

void TestBeneficiari::add()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(QByteArray, after);
    QFETCH(QStringList, items);

    Window w(before, !before.isEmpty());
    QVERIFY(w.loaded);
    w.messages.answers = {Answer(answer)};
    w.window.BENEFICIARIO->setEditText(typed);
    QTest::mouseClick(w.window.AddBEN, Qt::LeftButton);

    QCOMPARE(w.messages.asked.size(), 1);
    const auto &box = w.messages.asked.first();
    QCOMPARE(box.text, question);
    QCOMPARE(box.title, QStringLiteral("ATTENZIONE"));
    QCOMPARE(box.icon, Icon::Exclamation);
    QCOMPARE(box.buttons, MessageBoxes::Buttons::YesNo);
    QCOMPARE(w.bytes(), after.isEmpty() ? QByteArray("<missing>") : after);
    QCOMPARE(w.items(), items);
    QCOMPARE(w.window.BENEFICIARIO->currentText(), typed);

    // The same name again is already there.
    if (Answer(answer) == Answer::Yes) {
        w.messages.asked.clear();
        QTest::mouseClick(w.window.AddBEN, Qt::LeftButton);
        QCOMPARE(w.messages.asked.size(), 1);
        QCOMPARE(w.messages.asked.first().text, QStringLiteral("Beneficiario già presente."));
        QCOMPARE(w.messages.asked.first().title, QStringLiteral("Quendra"));
        QCOMPARE(w.messages.asked.first().icon, Icon::Exclamation);
        QCOMPARE(w.messages.asked.first().buttons, MessageBoxes::Buttons::Ok);
        QCOMPARE(w.bytes(), after);
    }
}

void TestBeneficiari::emptyNameIsReported_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty") << "";
    QTest::newRow("only blanks") << "    ";
}

void TestBeneficiari::emptyNameIsReported()
{
    QFETCH(QString, typed);
    Window w;
    QVERIFY(w.loaded);
    w.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.window.BENEFICIARIO->setEditText(typed);
    w.window.AddBEN->setFocus();
    QTest::mouseClick(w.window.AddBEN, Qt::LeftButton);
    QCOMPARE(w.messages.asked.size(), 1);
    QCOMPARE(w.messages.asked.first().text, QStringLiteral("Occorre digitare un Beneficiario."));
    QCOMPARE(w.messages.asked.first().icon, Icon::Critical);
    QCOMPARE(w.messages.asked.first().title, QStringLiteral("Quendra"));
    QTRY_VERIFY(w.window.BENEFICIARIO->hasFocus() || w.window.BENEFICIARIO->lineEdit()->hasFocus());
    QCOMPARE(w.bytes(), QByteArray("<missing>"));
}

void TestBeneficiari::silentModeStillAsksForNewNames()
{
    Window w("ROSSI MARIO\r\n", true);
    QVERIFY(w.loaded);
    w.window.BENEFICIARIO->setEditText(QStringLiteral("ROSSI MARIO"));
    w.window.SaveBeneficiario(true);
    w.window.BENEFICIARIO->setEditText(QStringLiteral("  "));
    w.window.SaveBeneficiario(true);
    QVERIFY(w.messages.asked.isEmpty());
    w.window.BENEFICIARIO->setEditText(QStringLiteral("NERI PAOLO"));
    w.messages.answers = {Answer::Yes};
    w.window.SaveBeneficiario(true);
    QCOMPARE(w.messages.asked.size(), 1);
    QCOMPARE(w.bytes(), QByteArray("ROSSI MARIO\r\nNERI PAOLO\r\n"));
}

void TestBeneficiari::unstorableNameIsRefused()
{
    Window w("ROSSI MARIO\r\n", true);
    QVERIFY(w.loaded);
    w.window.BENEFICIARIO->setEditText(QStringLiteral("Łukasz Wiśniewski"));
    w.messages.answers = {Answer::Yes};
    QTest::mouseClick(w.window.AddBEN, Qt::LeftButton);
    QCOMPARE(w.messages.asked.size(), 1);
    QCOMPARE(w.messages.asked.first().text,
             QStringLiteral("Il Beneficiario «Łukasz Wiśniewski» contiene caratteri che l'archivio dei "
                            "Beneficiari non può conservare (Łś) e non viene salvato."));
    QCOMPARE(w.messages.asked.first().buttons, MessageBoxes::Buttons::Ok);
    QCOMPARE(w.bytes(), QByteArray("ROSSI MARIO\r\n"));
    QCOMPARE(w.items(), QStringList{"ROSSI MARIO"});
    QCOMPARE(w.window.BENEFICIARIO->currentText(), QStringLiteral("Łukasz Wiśniewski"));
}

void TestBeneficiari::remove_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("fieldAfter");

    const QByteArray three = "ROSSI MARIO\r\n\r\nBIANCHI LUCA\r\n  \r\nVERDI ANNA\r\n";
    QTest::newRow("middle entry, empty lines dropped")
        << three << " BIANCHI LUCA " << int(Answer::Yes) << true
        << QByteArray("ROSSI MARIO\r\nVERDI ANNA\r\n") << QStringList{"ROSSI MARIO", "VERDI ANNA"} << "";
    QTest::newRow("answer No keeps everything")
        << three << "BIANCHI LUCA" << int(Answer::No) << true << three
        << QStringList{"ROSSI MARIO", "BIANCHI LUCA", "VERDI ANNA"} << "BIANCHI LUCA";
    QTest::newRow("unknown name clears the field, asks nothing")
        << three << "GIALLI" << int(Answer::Yes) << false << three
        << QStringList{"ROSSI MARIO", "BIANCHI LUCA", "VERDI ANNA"} << "";
    QTest::newRow("case differs: not found")
        << three << "verdi anna" << int(Answer::Yes) << false << three
        << QStringList{"ROSSI MARIO", "BIANCHI LUCA", "VERDI ANNA"} << "";
    QTest::newRow("empty field does nothing")
        << three << "  " << int(Answer::Yes) << false << three
        << QStringList{"ROSSI MARIO", "BIANCHI LUCA", "VERDI ANNA"} << "  ";
    QTest::newRow("duplicate: the first goes, the file keeps the other")
        << QByteArray("A\r\nB\r\nA\r\n") << "A" << int(Answer::Yes) << true
        << QByteArray("B\r\nA\r\n") << QStringList{"B", "A"} << "";
}

void TestBeneficiari::remove()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(QByteArray, after);
    QFETCH(QStringList, items);
    QFETCH(QString, fieldAfter);

    Window w(before, true);
    QVERIFY(w.loaded);
    w.messages.answers = {Answer(answer)};
    w.window.BENEFICIARIO->setEditText(typed);
    QTest::mouseClick(w.window.DelBEN, Qt::LeftButton);

    QCOMPARE(w.messages.asked.size(), asked ? 1 : 0);
    if (asked) {
        const auto &box = w.messages.asked.first();
        QCOMPARE(box.text, QStringLiteral("Si desidera ELIMINARE «") + typed.trimmed()
                               + QStringLiteral("» all'archivio dei Beneficiari?"));
        QCOMPARE(box.title, QStringLiteral("ATTENZIONE"));
        QCOMPARE(box.icon, Icon::Critical);
        QCOMPARE(box.buttons, MessageBoxes::Buttons::YesNo);
        QCOMPARE(box.defaultButton, Answer::No);
    }
    QCOMPARE(w.bytes(), after);
    QCOMPARE(w.items(), items);
    QCOMPARE(w.window.BENEFICIARIO->currentText(), fieldAfter);
}

void TestBeneficiari::accentedArchiveRoundTrips()
{
    const QByteArray archive = "Citt\xe0 di Castelrovo\r\nNiccol\xf2 D'Amico\r\nCaf\xe9 \x80uro Snc\r\n"
                               "Societ\xe0 \x93Il Faro\x94\r\n";
    Window w(archive, true);
    QVERIFY(w.loaded);
    QCOMPARE(w.items(), (QStringList{"Città di Castelrovo", "Niccolò D'Amico", "Café €uro Snc",
                                     "Società “Il Faro”"}));
    w.messages.answers = {Answer::Yes, Answer::Yes};
    w.window.BENEFICIARIO->setEditText(QStringLiteral("Perché Sì Srl"));
    QTest::mouseClick(w.window.AddBEN, Qt::LeftButton);
    QCOMPARE(w.bytes(), archive + "Perch\xe9 S\xec Srl\r\n");
    w.window.BENEFICIARIO->setEditText(QStringLiteral("Niccolò D'Amico"));
    QTest::mouseClick(w.window.DelBEN, Qt::LeftButton);
    QCOMPARE(w.bytes(), QByteArray("Citt\xe0 di Castelrovo\r\nCaf\xe9 \x80uro Snc\r\nSociet\xe0 \x93Il Faro\x94\r\n"
                                   "Perch\xe9 S\xec Srl\r\n"));
}

QTEST_MAIN(TestBeneficiari)
#include "tst_beneficiari.moc"
