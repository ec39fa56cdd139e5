#include "numbertext.h"

#include <QTest>

class TestNumberText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void toSingle_data();
    void toSingle();
    void leadingInteger16_data();
    void leadingInteger16();
    void generalFormat_data();
    void generalFormat();
};

void TestNumberText::toSingle_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<float>("value");
    QTest::newRow("negative") << "-12,25" << true << -12.25f;
    QTest::newRow("leading comma") << ",5" << true << 0.5f;
    QTest::newRow("trailing comma") << "7," << true << 7.0f;
    QTest::newRow("only blanks") << "   " << false << 0.0f;
    QTest::newRow("two commas") << "2,3,4" << false << 0.0f;
    QTest::newRow("number then letters") << "12cm" << false << 0.0f;
    QTest::newRow("lone comma") << "," << false << 0.0f;
    QTest::newRow("blank inside") << "1 2" << false << 0.0f;
}

void TestNumberText::toSingle()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(float, value);
    float parsed = -999;
    QCOMPARE(NumberText::toSingle(text, &parsed), ok);
    QCOMPARE(parsed, ok ? value : -999.0f);
}

void TestNumberText::leadingInteger16_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");
    QTest::newRow("dot decimal") << "2.7" << true << 3;
    QTest::newRow("two and a half") << "2.5" << true << 2;
    QTest::newRow("blanks between digits") << "1 2" << true << 12;
    QTest::newRow("too large") << "40000" << false << 0;
}

void TestNumberText::leadingInteger16()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, value);
    qint16 parsed = 77;
    QCOMPARE(NumberText::leadingInteger16(text, &parsed), ok);
    QCOMPARE(int(parsed), ok ? value : 77);
}

void TestNumberText::generalFormat_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("fraction of a twip") << 1425.25f << " 1425,25 ";
    QTest::newRow("large, no exponent") << 30000000.0f << " 30000000 ";
}

void TestNumberText::generalFormat()
{
    QFETCH(float, value);
    QTEST(NumberText::generalFormat(value), "text");
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
