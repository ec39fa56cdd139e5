#include "chequestore.h"
#include "filebytes.h"
#include "registercsv.h"
#include "registerrows.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray Header = "\xEF\xBB\xBFStampato il;Banca;Conto;Luogo;Data;Importo;Importo in lettere;Beneficiario;"
                          "Stampante;Numero assegno;Annullato;Motivo dell'annullamento\r\n";

} // namespace

class TestRegisterCsv : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lines_data()
    {
        QTest::addColumn<ChequeRecord>("row");
        QTest::addColumn<QByteArray>("line");
        ChequeRecord plain = cheque("Rossi Mario", 2000);
        QTest::newRow("decimal comma, two decimals")
            << plain << QByteArray("02/03/2026 10:00:00;Banca Uno;000123;Castelrovo;2 marzo 2026;20,00;VENTI / 00;"
                                   "Rossi Mario;Ufficio;;;\r\n");
        ChequeRecord big = cheque("Àgata Čech", 123456789);
        big.amountWords.clear();
        QTest::newRow("no thousands dot, UTF-8 letters")
            << big << QByteArray("02/03/2026 10:00:00;Banca Uno;000123;Castelrovo;2 marzo 2026;1234567,89;;"
                                 "\xC3\x80gata \xC4\x8C" "ech;Ufficio;;;\r\n");
        ChequeRecord cents = cheque("Bianchi", 5);
        cents.place = QStringLiteral("Roma; centro");
        cents.payee = QStringLiteral("Ditta \"Il Sole\"");
        cents.serial = QStringLiteral(" 12 ");
        cents.annulled = true;
        cents.annulReason = QStringLiteral("macchiato\ndi inchiostro");
        QTest::newRow("quoted where needed")
            << cents << QByteArray("02/03/2026 10:00:00;Banca Uno;000123;\"Roma; centro\";2 marzo 2026;0,05;"
                                   "VENTI / 00;\"Ditta \"\"Il Sole\"\"\";Ufficio;\" 12 \";s\xC3\xAC;"
                                   "\"macchiato\ndi inchiostro\"\r\n");
    }

    void lines()
    {
        QFETCH(ChequeRecord, row);
        QFETCH(QByteArray, line);
        QCOMPARE(RegisterCsv::bytes({row}), Header + line);
    }

    void emptyRegisterIsTheHeaderAlone()
    {
        QCOMPARE(RegisterCsv::bytes({}), Header);
    }

    void commandExportsOldestFirst()
    {
        QTemporaryDir dir;
        {
            ChequeStore store(ChequeStore::fileName(dir.path()));
            QVERIFY(store.add(cheque("Secondo", 100, "B", QDate(2026, 5, 2))));
            QVERIFY(store.add(cheque("Primo", 250, "B", QDate(2026, 5, 1))));
        }
        const QString out = dir.filePath("uscita.csv");
        QString errors;
        QCOMPARE(RegisterCsv::exportCommand(dir.path(), out, &errors), 0);
        QCOMPARE(errors, QString());
        QCOMPARE(bytesIn(out), Header
                     + "01/05/2026 10:00:00;B;000123;Castelrovo;2 marzo 2026;2,50;VENTI / 00;Primo;Ufficio;;;\r\n"
                       "02/05/2026 10:00:00;B;000123;Castelrovo;2 marzo 2026;1,00;VENTI / 00;Secondo;Ufficio;;;\r\n");
    }

    void commandFailures_data()
    {
        QTest::addColumn<bool>("registerIsFolder");
        QTest::addColumn<QString>("out");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("no register yet: the header, and no register made") << false << "a.csv" << 0 << "";
        QTest::newRow("no file named") << false << "" << 2 << "Uso: quendra --registro-csv FILE";
        QTest::newRow("file cannot be written")
            << false << "manca/a.csv" << 1 << "Il file %1/manca/a.csv non si può scrivere: No such file or directory";
        QTest::newRow("register unreadable") << true << "a.csv" << 1
                                             << "Il registro degli assegni %1/Registro.sqlite non si può leggere: ";
    }

    void commandFailures()
    {
        QFETCH(bool, registerIsFolder);
        QFETCH(QString, out);
        QFETCH(int, status);
        QFETCH(QString, message);
        QTemporaryDir dir;
        if (registerIsFolder)
            QVERIFY(QDir().mkpath(ChequeStore::fileName(dir.path())));
        QString errors;
        QCOMPARE(RegisterCsv::exportCommand(dir.path(), out.isEmpty() ? out : dir.filePath(out), &errors), status);
        QVERIFY2(message.isEmpty() ? errors.isEmpty() : errors.startsWith(QString(message).replace("%1", dir.path())),
                 qPrintable(errors));
        if (status == 0) {
            QCOMPARE(bytesIn(dir.filePath(out)), Header);
            QVERIFY(!QFile::exists(ChequeStore::fileName(dir.path())));
        }
    }
};

QTEST_GUILESS_MAIN(TestRegisterCsv)
#include "tst_registercsv.moc"
