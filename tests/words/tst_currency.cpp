#include "currency.h"

#include <QTest>

#include <limits>

using OptionalAmount = std::optional<qint64>;
Q_DECLARE_METATYPE(OptionalAmount)

namespace {
constexpr qint64 Max = std::numeric_limits<qint64>::max();
constexpr qint64 Min = std::numeric_limits<qint64>::min();
}

class TestCurrency : public QObject
{
    Q_OBJECT

private slots:
    void fromText_data();
    void fromText();
    void toText_data();
    void toText();
    void wholePart_data();
    void wholePart();
};

void TestCurrency::fromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<OptionalAmount>("expected"); // ten-thousandths

    QTest::newRow("whole") << "1500" << OptionalAmount(15000000);
    QTest::newRow("two decimals") << "12,50" << OptionalAmount(125000);
    QTest::newRow("blanks around") << " 0,5 " << OptionalAmount(5000);
    QTest::newRow("comma first") << ",5" << OptionalAmount(5000);
    QTest::newRow("comma last") << "12," << OptionalAmount(120000);
    QTest::newRow("four decimals") << "0,0001" << OptionalAmount(1);
    QTest::newRow("leading zeros") << "007" << OptionalAmount(70000);
    QTest::newRow("minus") << "-0,25" << OptionalAmount(-2500);
    QTest::newRow("plus") << "+3" << OptionalAmount(30000);
    QTest::newRow("largest") << "922337203685477,5807" << OptionalAmount(Max);
    QTest::newRow("smallest") << "-922337203685477,5808" << OptionalAmount(Min);

    QTest::newRow("empty") << "" << OptionalAmount();
    QTest::newRow("only blanks") << "   " << OptionalAmount();
    QTest::newRow("lone comma") << "," << OptionalAmount();
    QTest::newRow("lone minus") << "-" << OptionalAmount();
    QTest::newRow("dot") << "1.500" << OptionalAmount();
    QTest::newRow("letters") << "abc" << OptionalAmount();
    QTest::newRow("trailing letter") << "12a" << OptionalAmount();
    QTest::newRow("two commas") << "12,3,4" << OptionalAmount();
    QTest::newRow("blank inside") << "1 500" << OptionalAmount();
    QTest::newRow("sign after blank") << "- 5" << OptionalAmount();
    QTest::newRow("non-Latin digit") << QString(QChar(0x0663)) << OptionalAmount();
    QTest::newRow("one past largest") << "922337203685477,5808" << OptionalAmount();
    QTest::newRow("one past smallest") << "-922337203685477,5809" << OptionalAmount();
    QTest::newRow("whole part too long") << "922337203685478" << OptionalAmount();
    QTest::newRow("huge digit string") << QString(40, QLatin1Char('9')) << OptionalAmount();
    QTest::newRow("huge digit string with decimals")
        << QString(25, QLatin1Char('1')) + QLatin1String(",5") << OptionalAmount();

    // Beyond four decimals: half to even, looking at every dropped digit.
    QTest::newRow("half, even stays") << "0,00005" << OptionalAmount(0);
    QTest::newRow("half, odd goes up") << "0,00015" << OptionalAmount(2);
    QTest::newRow("just over half") << "0,000050001" << OptionalAmount(1);
    QTest::newRow("just under half") << "0,00004999" << OptionalAmount(0);
    QTest::newRow("above half") << "1,23456" << OptionalAmount(12346);
    QTest::newRow("carry into whole part") << "0,99995" << OptionalAmount(10000);
    QTest::newRow("negative half, odd") << "-0,00015" << OptionalAmount(-2);
    QTest::newRow("rounding past largest") << "922337203685477,58075" << OptionalAmount();
}

void TestCurrency::fromText()
{
    QFETCH(QString, text);
    QFETCH(OptionalAmount, expected);
    const std::optional<Currency> amount = Currency::fromText(text);
    QCOMPARE(amount.has_value(), expected.has_value());
    if (expected)
        QCOMPARE(amount->tenThousandths(), *expected);
}

void TestCurrency::toText_data()
{
    QTest::addColumn<qint64>("tenThousandths");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << qint64(0) << "0";
    QTest::newRow("whole") << qint64(15000000) << "1500";
    QTest::newRow("one decimal") << qint64(15005000) << "1500,5";
    QTest::newRow("trailing zero dropped") << qint64(123450) << "12,345";
    QTest::newRow("inner zeros kept") << qint64(70500) << "7,05";
    QTest::newRow("one ten-thousandth") << qint64(1) << "0,0001";
    QTest::newRow("negative below one") << qint64(-2500) << "-0,25";
    QTest::newRow("largest") << Max << "922337203685477,5807";
    QTest::newRow("smallest") << Min << "-922337203685477,5808";
}

// Every text written must read back as the same amount.
void TestCurrency::toText()
{
    QFETCH(qint64, tenThousandths);
    QFETCH(QString, text);
    const Currency amount = Currency::fromTenThousandths(tenThousandths);
    QCOMPARE(amount.toText(), text);
    QCOMPARE(Currency::fromText(text), std::optional<Currency>(amount));
}

void TestCurrency::wholePart_data()
{
    QTest::addColumn<qint64>("tenThousandths");
    QTest::addColumn<qint64>("whole");

    QTest::newRow("zero") << qint64(0) << qint64(0);
    QTest::newRow("fraction dropped") << qint64(15009999) << qint64(1500);
    QTest::newRow("negative fraction rounds down") << qint64(-2500) << qint64(-1);
    QTest::newRow("negative whole") << qint64(-10000) << qint64(-1);
    QTest::newRow("largest") << Max << qint64(922337203685477);
    QTest::newRow("smallest") << Min << qint64(-922337203685478);
}

void TestCurrency::wholePart()
{
    QFETCH(qint64, tenThousandths);
    QFETCH(qint64, whole);
    QCOMPARE(Currency::fromTenThousandths(tenThousandths).wholePart(), whole);
}

QTEST_GUILESS_MAIN(TestCurrency)
#include "tst_currency.moc"
