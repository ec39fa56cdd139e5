#include "chequestore.h"
#include "filesizelimit.h"
#include "registerrows.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using Filter = RegisterFilter;
Q_DECLARE_METATYPE(RegisterFilter)

class TestChequeStore : public QObject
{
    Q_OBJECT

    QString fileIn(const QTemporaryDir &dir) { return ChequeStore::fileName(dir.path()); }

    // Four cheques over two days and two banks, added out of time order.
    void addFour(ChequeStore &store)
    {
        for (const ChequeRecord &r :
             {cheque("Rossi Mario", 2000, "Banca Uno", QDate(2026, 3, 2), QTime(9, 0)),
              cheque("Bianchi 100% Srl", 150050, "Banca Due", QDate(2026, 3, 3), QTime(8, 0)),
              cheque("ROSSINI ANNA", 99, "Banca Uno", QDate(2026, 3, 2), QTime(17, 30)),
              cheque("Verdi_Luca", 1000000, "Banca Due", QDate(2026, 3, 1), QTime(23, 59, 59))})
            QVERIFY(store.add(r));
    }

private Q_SLOTS:
    void rowsComeBackNewestFirstAsWritten()
    {
        QTemporaryDir dir;
        ChequeStore store(fileIn(dir));
        QVERIFY2(store.isOpen(), qPrintable(store.error()));
        addFour(store);
        ChequeRecord annulled = cheque("Neri", 500, "Banca Tre", QDate(2026, 3, 4));
        annulled.serial = QStringLiteral("A-77");
        annulled.annulled = true;
        annulled.annulReason = QStringLiteral("strappato; rifatto");
        const auto id = store.add(annulled);
        QCOMPARE(id, std::optional<qint64>(5));
        const auto rows = store.list({});
        QVERIFY(rows);
        QCOMPARE(payeesOf(*rows),
                 (QStringList{"Neri", "Bianchi 100% Srl", "ROSSINI ANNA", "Rossi Mario", "Verdi_Luca"}));
        annulled.id = 5;
        QCOMPARE(rows->first(), annulled);
        QCOMPARE(payeesOf(*store.list({}, ChequeStore::Order::OldestFirst)).first(), "Verdi_Luca");
    }

    void filters_data()
    {
        QTest::addColumn<Filter>("filter");
        QTest::addColumn<QStringList>("payees");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<qint64>("total");
        QTest::newRow("nothing set") << Filter{} << QStringList{"Bianchi 100% Srl", "ROSSINI ANNA", "Rossi Mario", "Verdi_Luca"} << qint64(4) << qint64(1152149);
        QTest::newRow("one day, its last second included")
            << Filter{QDate(2026, 3, 1), QDate(2026, 3, 1), {}, {}} << QStringList{"Verdi_Luca"} << qint64(1) << qint64(1000000);
        QTest::newRow("from a day on") << Filter{QDate(2026, 3, 2), {}, {}, {}} << QStringList{"Bianchi 100% Srl", "ROSSINI ANNA", "Rossi Mario"} << qint64(3) << qint64(152149);
        QTest::newRow("up to a day") << Filter{{}, QDate(2026, 3, 2), {}, {}} << QStringList{"ROSSINI ANNA", "Rossi Mario", "Verdi_Luca"} << qint64(3) << qint64(1002099);
        QTest::newRow("one bank") << Filter{{}, {}, "Banca Uno", {}} << QStringList{"ROSSINI ANNA", "Rossi Mario"} << qint64(2) << qint64(2099);
        QTest::newRow("a bank name's start is not the bank") << Filter{{}, {}, "Banca", {}} << QStringList{} << qint64(0) << qint64(0);
        QTest::newRow("payee text, either case") << Filter{{}, {}, {}, "rossi"} << QStringList{"ROSSINI ANNA", "Rossi Mario"} << qint64(2) << qint64(2099);
        QTest::newRow("a percent sign is a character") << Filter{{}, {}, {}, "0%"} << QStringList{"Bianchi 100% Srl"} << qint64(1) << qint64(150050);
        QTest::newRow("an underscore is a character") << Filter{{}, {}, {}, "i_l"} << QStringList{"Verdi_Luca"} << qint64(1) << qint64(1000000);
        QTest::newRow("all three") << Filter{QDate(2026, 3, 2), QDate(2026, 3, 3), "Banca Due", "bianchi"} << QStringList{"Bianchi 100% Srl"} << qint64(1) << qint64(150050);
        QTest::newRow("a period with nothing in it") << Filter{QDate(2026, 4, 1), QDate(2026, 4, 30), {}, {}} << QStringList{} << qint64(0) << qint64(0);
    }

    void filters()
    {
        QFETCH(Filter, filter);
        QFETCH(QStringList, payees);
        QFETCH(qint64, count);
        QFETCH(qint64, total);
        QTemporaryDir dir;
        ChequeStore store(fileIn(dir));
        addFour(store);
        QCOMPARE(payeesOf(*store.list(filter)), payees);
        const auto summary = store.summary(filter);
        QVERIFY(summary);
        QCOMPARE(summary->count, count);
        QCOMPARE(summary->totalCents, total);
    }

    void annulledRowStaysOutOfTheTotal()
    {
        QTemporaryDir dir;
        ChequeStore store(fileIn(dir));
        addFour(store);
        QVERIFY(store.annul(4, QStringLiteral("importo sbagliato")));
        QVERIFY(store.setSerial(1, QStringLiteral("0012345678-09")));
        QVERIFY(!store.annul(99, QStringLiteral("nessuno")));
        const auto rows = *store.list({}, ChequeStore::Order::OldestFirst);
        QCOMPARE(rows.size(), 4);
        // Oldest first: Verdi (id 4), Rossi (id 1), Rossini, Bianchi.
        QVERIFY(rows[0].annulled);
        QCOMPARE(rows[0].annulReason, "importo sbagliato");
        QCOMPARE(rows[1].serial, "0012345678-09");
        QVERIFY(!rows[1].annulled);
        QCOMPARE(rows[2].serial, "");
        QCOMPARE(store.summary({})->count, 4);
        QCOMPARE(store.summary({})->totalCents, 1152149 - 1000000);
    }

    void reopenedFileKeepsRowsAndVersion()
    {
        QTemporaryDir dir;
        {
            ChequeStore store(fileIn(dir));
            addFour(store);
            QVERIFY(store.setSerial(2, QStringLiteral("77")));
        }
        {
            ChequeStore again(fileIn(dir));
            QVERIFY(again.isOpen());
            QCOMPARE(again.schemaVersion(), 1);
            QCOMPARE(again.list({})->size(), 4);
            QCOMPARE(again.list({}, ChequeStore::Order::OldestFirst)->at(3).serial, "77");
            QCOMPARE(again.add(cheque("Quinto", 1)), std::optional<qint64>(5));
        }
        // Closed, the log is folded back: the file alone is the register.
        QVERIFY(!QFile::exists(fileIn(dir) + "-wal"));
    }

    void refusesWhatIsNotItsRegister_data()
    {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QString>("error");
        QTest::newRow("a newer program's") << QStringList{"CREATE TABLE cheques (id INTEGER)", "PRAGMA user_version = 2"}
                                          << "il registro è stato scritto da una versione più recente di Quendra";
        QTest::newRow("someone else's database") << QStringList{"CREATE TABLE clienti (nome TEXT)"}
                                                 << "il file non è un registro di Quendra";
    }

    void refusesWhatIsNotItsRegister()
    {
        QFETCH(QStringList, setup);
        QFETCH(QString, error);
        QTemporaryDir dir;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("setup"));
            db.setDatabaseName(fileIn(dir));
            QVERIFY(db.open());
            for (const QString &sql : setup)
                QVERIFY(QSqlQuery(db).exec(sql));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("setup"));
        ChequeStore store(fileIn(dir));
        QVERIFY(!store.isOpen());
        QCOMPARE(store.error(), error);
        QVERIFY(!store.add(cheque("X", 1)));
    }

    void folderInTheWayIsAnError()
    {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(fileIn(dir)));
        ChequeStore store(fileIn(dir));
        QVERIFY(!store.isOpen());
        QVERIFY(!store.error().isEmpty());
        QVERIFY(!store.list({}));
    }

    void fullDiskLosesNoEarlierRow()
    {
        QTemporaryDir dir;
        int written = 0;
        {
            ChequeStore store(fileIn(dir));
            QVERIFY(store.isOpen());
            const FileSizeLimit full(96 * 1024);
            QString longWords(2000, QLatin1Char('X'));
            for (int i = 0; i < 500; ++i) {
                ChequeRecord r = cheque(QStringLiteral("Riga %1").arg(i), 100 + i);
                r.amountWords = longWords;
                if (!store.add(r))
                    break;
                ++written;
            }
            QVERIFY(written > 0 && written < 500);
            QVERIFY(!store.error().isEmpty());
        }
        QCOMPARE(integrityOf(fileIn(dir)), "ok");
        ChequeStore again(fileIn(dir));
        const auto rows = again.list({}, ChequeStore::Order::OldestFirst);
        QVERIFY(rows);
        QCOMPARE(rows->size(), written);
        QCOMPARE(rows->last().payee, QStringLiteral("Riga %1").arg(written - 1));
    }
};

QTEST_GUILESS_MAIN(TestChequeStore)
#include "tst_chequestore.moc"
