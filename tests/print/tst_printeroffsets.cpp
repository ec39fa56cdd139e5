#include "filebytes.h"
#include "printeroffsets.h"

#include <QtTest>

class tst_PrinterOffsets : public QObject
{
    Q_OBJECT

private slots:
    void reading_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QPoint>("tenths");

        const QStringList office{"Ufficio|1,5|-2,0"};
        QTest::newRow("decimal comma, negative") << office << "Ufficio" << QPoint(15, -20);
        QTest::newRow("dot, sign, blanks, no decimals") << QStringList{"Ufficio| +0.3 |2 "} << "Ufficio" << QPoint(3, 20);
        QTest::newRow("unknown printer: none") << office << "Cassa" << QPoint(0, 0);
        QTest::newRow("names are exact") << office << "ufficio" << QPoint(0, 0);
        QTest::newRow("a name with bars") << QStringList{"a|b|,5|-,5"} << "a|b" << QPoint(5, -5);
        QTest::newRow("the first of equal names") << QStringList{"U|1|1", "U|2|2"} << "U" << QPoint(10, 10);
        QTest::newRow("20 mm at most") << QStringList{"U|-20|20,0"} << "U" << QPoint(-200, 200);
        QTest::newRow("past 20 mm: broken") << QStringList{"U|20,1|0", "U|1|1"} << "U" << QPoint(10, 10);
        QTest::newRow("two decimals: broken") << QStringList{"U|1,55|0", "U|1|1"} << "U" << QPoint(10, 10);
        QTest::newRow("no number: broken") << QStringList{"U||", "U 1 1", "C|1|1", "U|1|2"} << "U" << QPoint(10, 20);
    }

    void reading()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, printer);
        const PaperOffset offset = PrinterOffsets::fromLines(lines).of(printer);
        QTEST(QPoint(offset.x, offset.y), "tenths");
    }

    void writing_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QPoint>("tenths"); // given to "U"
        QTest::addColumn<QStringList>("after");

        QTest::newRow("new printer at the end") << QStringList{"C|1|1"} << QPoint(15, -20) << QStringList{"C|1|1", "U|1,5|-2,0"};
        QTest::newRow("changed in place, broken line kept")
            << QStringList{"junk", "U|1.5|2", "C|1|1"} << QPoint(3, -5) << QStringList{"junk", "U|0,3|-0,5", "C|1|1"};
        QTest::newRow("same numbers: line untouched") << QStringList{"U|1.5|-2"} << QPoint(15, -20) << QStringList{"U|1.5|-2"};
        QTest::newRow("equal names become one") << QStringList{"U|1|1", "C|1|1", "U|2|2"} << QPoint(5, 0) << QStringList{"U|0,5|0,0", "C|1|1"};
        QTest::newRow("zero drops the lines") << QStringList{"U|1|1", "C|1|1", "U|2|2"} << QPoint(0, 0) << QStringList{"C|1|1"};
    }

    void writing()
    {
        QFETCH(QStringList, before);
        QFETCH(QPoint, tenths);
        PrinterOffsets offsets = PrinterOffsets::fromLines(before);
        offsets.set("U", {tenths.x(), tenths.y()});
        QTEST(offsets.lines(), "after");
    }

    void fileOnDisk()
    {
        QTemporaryDir dir;
        // Found whatever the letter case, written under the program's name.
        QVERIFY(putBytes(dir.filePath("STAMPANTI.INI"), "Cassa|1|1\r\nbroken\r\n"));
        PrinterOffsets offsets = PrinterOffsets::load(dir.path());
        offsets.set(QStringLiteral("Stampante è"), {-3, 7});
        QString reason;
        QVERIFY(offsets.save(dir.path(), &reason));
        QCOMPARE(bytesIn(dir.filePath("Stampanti.ini")), "Cassa|1|1\r\nbroken\r\nStampante \xe8|-0,3|0,7\r\n");
        QCOMPARE(PrinterOffsets::load(dir.path()).of(QStringLiteral("Stampante è")), (PaperOffset{-3, 7}));
        // A name the file cannot hold would never be found again.
        offsets.set(QStringLiteral("Принтер"), {1, 1});
        QVERIFY(!offsets.save(dir.path(), &reason));
        QCOMPARE(reason, "il nome della stampante «Принтер» ha caratteri che il file non può contenere");
        QCOMPARE(bytesIn(dir.filePath("Stampanti.ini")), "Cassa|1|1\r\nbroken\r\nStampante \xe8|-0,3|0,7\r\n");
    }
};

QTEST_GUILESS_MAIN(tst_PrinterOffsets)
#include "tst_printeroffsets.moc"
