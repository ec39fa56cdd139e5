#include "bankarchive.h"
#include "filebytes.h"

#include <QTemporaryDir>
#include <QTest>

using Items = QList<BankArchive::SelectorItem>;

namespace {
const QByteArray Blanks(100, ' ');
}

class TestBankArchive : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void archive_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("banks"); // name and id, read back by the bank list window's rule
        QTest::addColumn<Items>("selector");

        QTest::newRow("ids 3, 12, 5 and a five-digit id")
            << "A" + Blanks + "3|1\r\nB" + Blanks + "12|2\r\nC" + Blanks + "5|\r\nD" + Blanks + "99999|4\r\n"
            << QStringList{"A 3", "B 12", "C 5", "D 99999"}
            << Items{{"A / 1", 3, "1"}, {"B / 2", 12, "2"}, {"C / ", 5, ""}, {"D / 4", 99999, "4"}};
        QTest::newRow("trailing blank stored, trimmed on reading") << "BETA " + Blanks + "2|9\r\n" << QStringList{"BETA 2"}
                                                                    << Items{{"BETA / 9", 2, "9"}};
        QTest::newRow("lines without a bar dropped") << "\r\nsenza barra\r\nX" + Blanks + "1|a|b\r\n"
                                                     << QStringList{"X 1"} << Items{{"X / a|b", 1, "a|b"}};
        QTest::newRow("a slash in the name") << "BCC ROMA/AG. 12" + Blanks + "6|4567/89\r\n" << QStringList{"BCC ROMA/AG. 12 6"}
                                             << Items{{"BCC ROMA/AG. 12 / 4567/89", 6, "4567/89"}};
        QTest::newRow("a Windows folder's accents")
            << "Cr\xe9" "dit \x80uro" + Blanks + "4|N\xb0 12\r\n" << QStringList{"Crédit €uro 4"}
            << Items{{"Crédit €uro / N° 12", 4, "N° 12"}};
    }

    void archive()
    {
        QFETCH(QByteArray, file);
        QTemporaryDir dir;
        const QString path = BankArchive::fileName(dir.path());
        QVERIFY(putBytes(path, file));

        const QStringList lines = BankArchive::read(path);
        QStringList banks;
        for (const QString &line : lines) {
            const QString field = line.left(line.indexOf(QLatin1Char('|')));
            banks << BankArchive::nameOf(field) + ' ' + QString::number(BankArchive::idOf(field));
        }
        QTEST(banks, "banks");
        QTEST(BankArchive::selectorItems(lines), "selector");

        // Written back, every bank line reads back as it went in.
        QVERIFY(BankArchive::write(path, lines));
        QCOMPARE(BankArchive::read(path), lines);
    }

    void refusedCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("refused");
        QTest::newRow("accents and euro are kept") << "Crédit €uro N° 1" << "";
        QTest::newRow("bar, tab and line breaks split the line") << "ab|cd\tef|\r\nAlfa" << "|\t\r\n";
        QTest::newRow("beyond Windows-1252") << "Łódź ☃" << "Łź☃";
    }

    void refusedCharacters()
    {
        QFETCH(QString, text);
        QTEST(BankArchive::refusedCharacters(text), "refused");
    }
};

QTEST_GUILESS_MAIN(TestBankArchive)
#include "tst_bankarchive.moc"
