#include "numbertext.h"

#include <QTest>

class TestNumberText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void read_data()
    {
        QTest::addColumn<bool>("integer16"); // leadingInteger16, else toSingle
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("single: negative") << false << "-12,25" << true << -12.25;
        QTest::newRow("single: leading comma") << false << ",5" << true << 0.5;
        QTest::newRow("single: trailing comma") << false << "7," << true << 7.0;
        QTest::newRow("single: two commas") << false << "2,3,4" << false << 0.0;
        QTest::newRow("single: number then letters") << false << "12cm" << false << 0.0;
        QTest::newRow("single: lone comma") << false << "," << false << 0.0;
        QTest::newRow("single: blank inside") << false << "1 2" << false << 0.0;
        QTest::newRow("integer: dot decimal") << true << "2.7" << true << 3.0;
        QTest::newRow("integer: two and a half") << true << "2.5" << true << 2.0;
        QTest::newRow("integer: blanks between digits") << true << "1 2" << true << 12.0;
        QTest::newRow("integer: too large") << true << "40000" << false << 0.0;
    }

    void read()
    {
        QFETCH(bool, integer16);
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        // A refused text leaves the field as it was.
        float single = -999;
        qint16 integer = 77;
        QCOMPARE(integer16 ? NumberText::leadingInteger16(text, &integer) : NumberText::toSingle(text, &single), ok);
        QCOMPARE(integer16 ? double(integer) : double(single), ok ? value : integer16 ? 77.0 : -999.0);
    }

    void generalFormat_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("fraction of a twip") << 1425.25f << " 1425,25 ";
        QTest::newRow("large, no exponent") << 30000000.0f << " 30000000 ";
    }

    void generalFormat()
    {
        QFETCH(float, value);
        QTEST(NumberText::generalFormat(value), "text");
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
