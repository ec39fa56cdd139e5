#include "amountinwords.h"

#include <QTest>

class TestAmountInWords : public QObject
{
    Q_OBJECT

private slots:
    void groupWords_data();
    void groupWords();
    void amountInWords_data();
    void amountInWords();
};

void TestAmountInWords::groupWords_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << "" << "";
    QTest::newRow("zero") << "0" << "";
    QTest::newRow("three zeros") << "000" << "";
    QTest::newRow("one digit") << "7" << "SETTE";
    QTest::newRow("ten") << "10" << "DIECI";
    QTest::newRow("teen") << "17" << "DICIASSETTE";
    QTest::newRow("no elision of UNO") << "21" << "VENTIUNO";
    QTest::newRow("no elision of OTTO") << "108" << "CENTOOTTO";
    QTest::newRow("leading zero") << "010" << "DIECI";
    QTest::newRow("hundred and teen") << "119" << "CENTODICIANNOVE";
    QTest::newRow("round hundred") << "900" << "NOVECENTO";
    QTest::newRow("all nines") << "999" << "NOVECENTONOVANTANOVE";
    QTest::newRow("blanks count as zero") << " 4" << "QUATTRO";
    QTest::newRow("four digits refused") << "1234" << "";
    QTest::newRow("letter refused") << "1a" << "";
}

void TestAmountInWords::groupWords()
{
    QFETCH(QString, group);
    QFETCH(QString, expected);
    QCOMPARE(GroupWords(group), expected);
}

void TestAmountInWords::amountInWords_data()
{
    QTest::addColumn<qint64>("tenThousandths");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char *name, qint64 whole, qint64 fraction, const char *expected) {
        QTest::newRow(name) << whole * 10000 + fraction << QString::fromLatin1(expected);
    };

    // Elisions inside one group.
    row("1", 1, 0, "UNO / 00");
    row("8", 8, 0, "OTTO / 00");
    row("11", 11, 0, "UNDICI / 00");
    row("21", 21, 0, "VENTUNO / 00");
    row("28", 28, 0, "VENTOTTO / 00");
    row("38", 38, 0, "TRENTOTTO / 00");
    row("81", 81, 0, "OTTANTUNO / 00");
    row("100", 100, 0, "CENTO / 00");
    row("101", 101, 0, "CENTOUNO / 00");
    row("108", 108, 0, "CENTOTTO / 00");
    row("118", 118, 0, "CENTODICIOTTO / 00");
    row("180", 180, 0, "CENTOTTANTA / 00");
    row("188", 188, 0, "CENTOTTANTOTTO / 00");
    row("888", 888, 0, "OTTOCENTOTTANTOTTO / 00");

    // MILLE only where the thousands group is exactly one.
    row("1 000", 1000, 0, "MILLE / 00");
    row("1 001", 1001, 0, "MILLEUNO / 00");
    row("1 081", 1081, 0, "MILLEOTTANTUNO / 00");
    row("1 500", 1500, 0, "MILLECINQUECENTO / 00");
    row("1 999", 1999, 0, "MILLENOVECENTONOVANTANOVE / 00");
    row("2 000", 2000, 0, "DUEMILA / 00");
    row("2 001", 2001, 0, "DUEMILAUNO / 00");
    row("2 999", 2999, 0, "DUEMILANOVECENTONOVANTANOVE / 00");
    row("11 000", 11000, 0, "UNDICIMILA / 00");
    row("21 000", 21000, 0, "VENTUNOMILA / 00");
    row("28 028", 28028, 0, "VENTOTTOMILAVENTOTTO / 00");
    row("101 000", 101000, 0, "CENTOUNOMILA / 00");

    // Millions and thousands of millions.
    row("1 000 000", 1000000, 0, "UNMILIONE / 00");
    row("1 000 001", 1000001, 0, "UNMILIONEUNO / 00");
    row("1 001 000", 1001000, 0, "UNMILIONEMILLE / 00");
    row("1 100 000", 1100000, 0, "UNMILIONECENTOMILA / 00");
    row("2 000 000", 2000000, 0, "DUEMILIONI / 00");
    row("5 000 123", 5000123, 0, "CINQUEMILIONICENTOVENTITRE / 00");
    row("21 000 000", 21000000, 0, "VENTUNOMILIONI / 00");
    row("101 000 000", 101000000, 0, "CENTOUNOMILIONI / 00");
    row("101 101 101", 101101101, 0, "CENTOUNOMILIONICENTOUNOMILACENTOUNO / 00");
    row("1 000 000 000", 1000000000, 0, "UNMILIARDO / 00");
    row("1 000 000 001", 1000000001, 0, "UNMILIARDOUNO / 00");
    row("1 001 000 000", 1001000000, 0, "UNMILIARDOUNMILIONE / 00");
    row("1 001 001 001", 1001001001, 0, "UNMILIARDOUNMILIONEMILLEUNO / 00");
    row("2 000 005 000", 2000005000, 0, "DUEMILIARDICINQUEMILA / 00");
    row("21 021 021 021", Q_INT64_C(21021021021), 0,
        "VENTUNOMILIARDIVENTUNOMILIONIVENTUNOMILAVENTUNO / 00");
    row("101 000 000 000", Q_INT64_C(101000000000), 0, "CENTOUNOMILIARDI / 00");
    row("300 003 000 000", Q_INT64_C(300003000000), 0, "TRECENTOMILIARDITREMILIONI / 00");
    row("largest named", Q_INT64_C(999999999999), 0,
        "NOVECENTONOVANTANOVEMILIARDINOVECENTONOVANTANOVEMILIONI"
        "NOVECENTONOVANTANOVEMILANOVECENTONOVANTANOVE / 00");
    row("1 234 567,89", 1234567, 8900,
        "UNMILIONEDUECENTOTRENTAQUATTROMILACINQUECENTOSESSANTASETTE / 89");

    // Decimal digits are copied, never rounded to two.
    row("0", 0, 0, "ZERO / 00");
    row("0,5", 0, 5000, "ZERO / 50");
    row("0,0001", 0, 1, "ZERO / 0001");
    row("1 500,5", 1500, 5000, "MILLECINQUECENTO / 50");
    row("7,05", 7, 500, "SETTE / 05");
    row("12,345", 12, 3450, "DODICI / 345");
    row("12,3456", 12, 3456, "DODICI / 3456");
    row("largest named with decimals", Q_INT64_C(999999999999), 9999,
        "NOVECENTONOVANTANOVEMILIARDINOVECENTONOVANTANOVEMILIONI"
        "NOVECENTONOVANTANOVEMILANOVECENTONOVANTANOVE / 9999");

    // No name for these: no text rather than a wrong one.
    row("10^12 refused", Q_INT64_C(1000000000000), 0, "");
    row("10^12 + 1 refused", Q_INT64_C(1000000000001), 0, "");
    row("largest currency refused", Q_INT64_C(922337203685477), 5807, "");
    row("negative refused", -1, 0, "");
    row("negative below one refused", 0, -5000, "");
}

void TestAmountInWords::amountInWords()
{
    QFETCH(qint64, tenThousandths);
    QFETCH(QString, expected);
    QCOMPARE(AmountInWords(Currency::fromTenThousandths(tenThousandths)), expected);
}

QTEST_GUILESS_MAIN(TestAmountInWords)
#include "tst_amountinwords.moc"
