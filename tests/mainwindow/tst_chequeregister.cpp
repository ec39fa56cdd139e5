// What the print button leaves in the cheque register, and a row of it
// handed back to the main window.

#include "chequestore.h"
#include "windowfixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using Answer = MessageBoxes::Answer;

namespace {

const QByteArray TwoBanks = "Banca Uno" + QByteArray(100, ' ') + "3|000111\r\n"
                            "Banca Due" + QByteArray(100, ' ') + "7|000777\r\n";

QList<ChequeRecord> rowsIn(const WindowFixture &w)
{
    ChequeStore store(ChequeStore::fileName(w.folder()));
    return store.list({}, ChequeStore::Order::OldestFirst).value_or(QList<ChequeRecord>{});
}

} // namespace

class TestChequeRegister : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void printAddsOneRowCancelAddsNone_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<qint64>("cents");
        QTest::addColumn<QString>("words");
        QTest::newRow("grouped thousands and cents") << "1.500,50" << qint64(150050) << "MILLECINQUECENTO / 50";
        QTest::newRow("keypad dot") << "20.5" << qint64(2050) << "VENTI / 50";
        QTest::newRow("no amount") << "" << qint64(0) << "";
    }

    void printAddsOneRowCancelAddsNone()
    {
        QFETCH(QString, amount);
        QFETCH(qint64, cents);
        QFETCH(QString, words);
        WindowFixture w({{"Banche.ini", TwoBanks}});
        QVERIFY(w.window.load());
        w.window.BANCA->setCurrentIndex(1);
        w.window.LUOGO->setText(QStringLiteral(" Castelrovo "));
        w.window.GGMMAAAA->setText(QStringLiteral("6/12/2026"));
        w.window.IMPORTO->setText(amount);
        w.window.BENEFICIARIO->setEditText(QStringLiteral("Rossi Mario"));
        w.messages.answers = {Answer::No, Answer::No};
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        QVERIFY(w.pressPrint(Qt::Key_Escape));
        QCOMPARE(rowsIn(w).size(), 0);
        QVERIFY(w.pressPrint(Qt::Key_Return));
        const QList<ChequeRecord> rows = rowsIn(w);
        QCOMPARE(rows.size(), 1);
        const ChequeRecord &r = rows.first();
        QCOMPARE(r.bankName, "Banca Due");
        QCOMPARE(r.bankId, 7);
        QCOMPARE(r.account, "000777");
        QCOMPARE(r.place, "Castelrovo");
        QCOMPARE(r.date, "6/12/2026");
        QCOMPARE(r.amountCents, cents);
        QCOMPARE(r.amountWords, words);
        QCOMPARE(r.payee, "Rossi Mario");
        QCOMPARE(r.printer, "Ufficio");
        QVERIFY(r.printedAt >= before && r.printedAt <= QDateTime::currentDateTime());
        QVERIFY(!r.annulled);
        // Only the payee question; the register said nothing.
        QCOMPARE(w.messages.asked.size(), 2);
    }

    void unwritableRegisterIsToldAndPrinted()
    {
        WindowFixture w;
        QVERIFY(w.window.load());
        QVERIFY(QDir().mkpath(w.path("Registro.sqlite")));
        w.window.NumCC->setText(QStringLiteral("CC 1"));
        QVERIFY(w.pressPrint(Qt::Key_Return));
        QCOMPARE(w.printer.documentsEnded(), 1);
        QCOMPARE(w.messages.asked.size(), 1);
        const MessageBoxes::Request &notice = w.messages.asked.first();
        QVERIFY2(notice.text.startsWith("L'assegno è stato stampato ma non è stato scritto nel registro degli assegni "
                                        + w.path("Registro.sqlite") + ": "),
                 qPrintable(notice.text));
        QVERIFY(notice.text.endsWith(". Annotarlo a mano."));
        QCOMPARE(notice.icon, MessageBoxes::Icon::Exclamation);
        QCOMPARE(notice.title, "Quendra");
    }

    void reprintFillsTheFields_data()
    {
        QTest::addColumn<qint32>("bankId");
        QTest::addColumn<QString>("bankName");
        QTest::addColumn<QString>("bankShown");
        QTest::addColumn<QString>("account");
        QTest::addColumn<int>("notices");
        QTest::newRow("bank still there") << 7 << "Banca Due" << "Banca Due / 000777" << "000777" << 0;
        QTest::newRow("bank gone: selection kept, told") << 9 << "Banca Nove" << "Banca Uno / 000111" << "000111" << 1;
        QTest::newRow("no bank then: the account as typed") << 0 << "" << "Banca Uno / 000111" << "CC 5" << 0;
    }

    void reprintFillsTheFields()
    {
        QFETCH(qint32, bankId);
        QFETCH(QString, bankName);
        QFETCH(QString, bankShown);
        QFETCH(QString, account);
        QFETCH(int, notices);
        WindowFixture w({{"Banche.ini", TwoBanks}});
        QVERIFY(w.window.load());
        w.window.BANCA->setCurrentIndex(0);
        ChequeRecord r;
        r.bankId = bankId;
        r.bankName = bankName;
        r.place = QStringLiteral("Roma");
        r.date = QStringLiteral("1 marzo");
        r.amountCents = 150005;
        r.amountWords = QStringLiteral("MILLECINQUECENTO / 05");
        r.payee = QStringLiteral("Bianchi");
        r.account = QStringLiteral("CC 5");
        w.window.fillFrom(r);
        QCOMPARE(w.window.LUOGO->text(), "Roma");
        QCOMPARE(w.window.GGMMAAAA->text(), "1 marzo");
        QCOMPARE(w.window.IMPORTO->text(), "1500,05");
        QCOMPARE(w.window.IMPORTO_ABC->text(), "MILLECINQUECENTO / 05");
        QCOMPARE(w.window.BENEFICIARIO->currentText(), "Bianchi");
        QCOMPARE(w.window.BANCA->currentText(), bankShown);
        QCOMPARE(w.window.NumCC->text(), account);
        QCOMPARE(w.messages.asked.size(), notices);
    }

    void registerOpensWithCtrlR()
    {
        WindowFixture w;
        QVERIFY(w.show());
        QString title;
        QTimer::singleShot(50, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                title = modal->windowTitle();
                modal->close();
            }
        });
        QTest::keyClick(&w.window, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(title, "Registro assegni");
        QCOMPARE(w.window.Registro->accessibleName(), "Registro assegni");
        QCOMPARE(w.window.Registro->toolTip(), "Registro degli assegni stampati (Ctrl+R)");
    }
};

QTEST_MAIN(TestChequeRegister)
#include "tst_chequeregister.moc"
