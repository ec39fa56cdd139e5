#include "chequestore.h"
#include "fakemessageboxes.h"
#include "filebytes.h"
#include "filechooser.h"
#include "frmregistro.h"
#include "registerrows.h"
#include "registertablemodel.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using Answer = MessageBoxes::Answer;

namespace {

struct FakeFileChooser : FileChooser
{
    QString saveFileName(QWidget *, const QString &caption, const QString &, const QString &filter) override
    {
        asked << caption + " | " + filter;
        return answer;
    }
    QString answer;
    QStringList asked;
};

struct Fixture
{
    // Before the window opens the file.
    static bool seed(const QTemporaryDir &dir)
    {
        ChequeStore store(ChequeStore::fileName(dir.path()));
        for (const ChequeRecord &r : {cheque("Rossi Mario", 2000, "Banca Uno", QDate(2026, 3, 2), QTime(9, 0)),
                                      cheque("Bianchi Srl", 150050, "Banca Due", QDate(2026, 3, 3)),
                                      cheque("Rossini Anna", 99, "Banca Uno", QDate(2026, 3, 4))})
            if (!store.add(r))
                return false;
        return true;
    }
    QStringList shown() const
    {
        QStringList payees;
        for (int row = 0; row < window.Tabella->model()->rowCount(); ++row)
            payees << window.Tabella->model()->index(row, RegisterTableModel::Payee).data().toString();
        return payees;
    }
    void select(int row) { window.Tabella->selectRow(row); }

    QTemporaryDir dir;
    bool seeded = seed(dir);
    FakeMessageBoxes messages;
    FakeFileChooser files;
    FrmRegistro window{dir.path(), messages, files};
};

} // namespace

class TestFrmRegistro : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filtersAndTotal_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<int>("bank");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("payees");
        QTest::addColumn<QString>("total");
        const QDate any;
        QTest::newRow("all, newest first") << any << any << 0 << "" << QStringList{"Rossini Anna", "Bianchi Srl", "Rossi Mario"} << "3 assegni, totale € 1.521,49 (annullati esclusi)";
        QTest::newRow("payee typed") << any << any << 0 << "ROSS" << QStringList{"Rossini Anna", "Rossi Mario"} << "2 assegni, totale € 20,99 (annullati esclusi)";
        QTest::newRow("bank chosen") << any << any << 1 << "" << QStringList{"Bianchi Srl"} << "1 assegno, totale € 1.500,50";
        QTest::newRow("period") << QDate(2026, 3, 3) << QDate(2026, 3, 4) << 0 << "" << QStringList{"Rossini Anna", "Bianchi Srl"} << "2 assegni, totale € 1.501,49 (annullati esclusi)";
        QTest::newRow("nothing matches") << any << any << 2 << "Bianchi" << QStringList{} << "0 assegni, totale € 0,00 (annullati esclusi)";
    }

    void filtersAndTotal()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(int, bank);
        QFETCH(QString, typed);
        QFETCH(QStringList, payees);
        QFETCH(QString, total);
        Fixture f;
        QVERIFY(f.seeded);
        QVERIFY(f.window.opened());
        QCOMPARE(f.window.Banca->count(), 3); // all, then the two banks sorted
        QCOMPARE(f.window.Banca->itemText(1), "Banca Due");
        if (from.isValid())
            f.window.Dal->setDate(from);
        if (to.isValid())
            f.window.Al->setDate(to);
        f.window.Banca->setCurrentIndex(bank);
        QTest::keyClicks(f.window.Beneficiario, typed);
        QCOMPARE(f.shown(), payees);
        QCOMPARE(f.window.Totale->text(), total);
    }

    void annulNeedsRowReasonAndYes_data()
    {
        QTest::addColumn<bool>("select");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QString>("told");
        QTest::addColumn<bool>("annulled");
        const QString question = "Annullare l'assegno di € 1.500,50 a «Bianchi Srl» del 03/03/2026? Resterà nel "
                                 "registro, segnato come annullato.";
        QTest::newRow("no row") << false << "x" << QList<Answer>{} << "Scegliere nell'elenco l'assegno da annullare." << false;
        QTest::newRow("no reason") << true << " " << QList<Answer>{} << "Scrivere nel campo Motivo perché l'assegno viene annullato." << false;
        QTest::newRow("answered No") << true << "strappato" << QList<Answer>{Answer::No} << question << false;
        QTest::newRow("answered Yes") << true << "strappato" << QList<Answer>{Answer::Yes} << question << true;
    }

    void annulNeedsRowReasonAndYes()
    {
        QFETCH(bool, select);
        QFETCH(QString, reason);
        QFETCH(QList<Answer>, answers);
        QFETCH(QString, told);
        QFETCH(bool, annulled);
        Fixture f;
        QCOMPARE(f.window.Tabella->selectionModel()->selectedRows().size(), 1); // the newest
        f.window.Tabella->clearSelection();
        if (select)
            f.select(1);
        QTest::keyClicks(f.window.Motivo, reason);
        f.messages.answers = answers;
        QTest::mouseClick(f.window.Annulla, Qt::LeftButton);
        QCOMPARE(f.messages.asked.size(), 1);
        QCOMPARE(f.messages.asked.first().text, told);
        if (answers.isEmpty() == false)
            QCOMPARE(f.messages.asked.first().defaultButton, Answer::No);
        ChequeStore store(ChequeStore::fileName(f.dir.path()));
        const ChequeRecord bianchi = store.list({})->at(1);
        QCOMPARE(bianchi.annulled, annulled);
        QCOMPARE(bianchi.annulReason, annulled ? "strappato" : "");
        QCOMPARE(store.list({})->size(), 3);
        QCOMPARE(f.window.Totale->text(), annulled ? "3 assegni, totale € 20,99 (annullati esclusi)"
                                                   : "3 assegni, totale € 1.521,49 (annullati esclusi)");
        QCOMPARE(f.window.Tabella->model()->index(1, RegisterTableModel::State).data().toString(),
                 annulled ? "annullato: strappato" : "");
    }

    void serialIsNotedInTheTable()
    {
        Fixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        const QModelIndex cell = f.window.Tabella->model()->index(2, RegisterTableModel::Serial);
        f.window.Tabella->setCurrentIndex(cell);
        f.window.Tabella->edit(cell);
        QWidget *editor = QApplication::focusWidget();
        QVERIFY(qobject_cast<QLineEdit *>(editor));
        QTest::keyClicks(editor, "A 0012");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(f.window.Tabella->model()->index(2, RegisterTableModel::Serial).data().toString(), "A 0012");
        ChequeStore store(ChequeStore::fileName(f.dir.path()));
        QCOMPARE(store.list({})->at(2).serial, "A 0012");
        QVERIFY(f.messages.asked.isEmpty());
    }

    void reprintHandsTheRowBack()
    {
        Fixture f;
        QSignalSpy reprint(&f.window, &FrmRegistro::reprintRequested);
        f.window.Tabella->clearSelection();
        QTest::mouseClick(f.window.Ristampa, Qt::LeftButton);
        QCOMPARE(reprint.size(), 0);
        QCOMPARE(f.messages.asked.size(), 1);
        f.select(2);
        QTest::mouseClick(f.window.Ristampa, Qt::LeftButton);
        QCOMPARE(reprint.size(), 1);
        const ChequeRecord r = reprint.first().first().value<ChequeRecord>();
        QCOMPARE(r.payee, "Rossi Mario");
        QCOMPARE(r.amountCents, 2000);
        QCOMPARE(f.window.result(), int(QDialog::Accepted));
    }

    void exportWritesWhatIsShown_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("told");
        QTest::newRow("file chosen") << "r.csv" << "2 assegni esportati in %1/r.csv.";
        QTest::newRow("gave up") << "" << "";
        QTest::newRow("cannot write") << "manca/r.csv"
                                      << "Il file %1/manca/r.csv non è stato scritto: No such file or directory.";
    }

    void exportWritesWhatIsShown()
    {
        QFETCH(QString, answer);
        QFETCH(QString, told);
        Fixture f;
        f.files.answer = answer.isEmpty() ? answer : f.dir.filePath(answer);
        f.window.Banca->setCurrentIndex(2); // Banca Uno
        QTest::mouseClick(f.window.Esporta, Qt::LeftButton);
        QCOMPARE(f.files.asked, QStringList{"Esporta il registro | File CSV (*.csv)"});
        QCOMPARE(f.messages.asked.size(), told.isEmpty() ? 0 : 1);
        if (!told.isEmpty())
            QCOMPARE(f.messages.asked.first().text, QString(told).replace("%1", f.dir.path()));
        if (answer == "r.csv")
            QCOMPARE(bytesIn(f.dir.filePath(answer)).split('\n').mid(1, 2),
                     (QList<QByteArray>{
                         "02/03/2026 09:00:00;Banca Uno;000123;Castelrovo;2 marzo 2026;20,00;VENTI / 00;Rossi Mario;Ufficio;;;\r",
                         "04/03/2026 10:00:00;Banca Uno;000123;Castelrovo;2 marzo 2026;0,99;VENTI / 00;Rossini Anna;Ufficio;;;\r"}));
    }

    void unopenableRegisterIsTold()
    {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(ChequeStore::fileName(dir.path())));
        FakeMessageBoxes messages;
        FakeFileChooser files;
        FrmRegistro window(dir.path(), messages, files);
        QVERIFY(!window.opened());
        QCOMPARE(messages.asked.size(), 1);
        QVERIFY(messages.asked.first().text.startsWith("Il registro degli assegni " + dir.path()
                                                       + "/Registro.sqlite non si può aprire: "));
        QCOMPARE(messages.asked.first().icon, MessageBoxes::Icon::Critical);
    }
};

QTEST_MAIN(TestFrmRegistro)
#include "tst_frmregistro.moc"
