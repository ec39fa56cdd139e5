#include "currency.h"

#include <QTest>

using Amount = std::optional<qint64>; // ten-thousandths

class TestCurrency : public QObject
{
    Q_OBJECT

private slots:
    void text_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Amount>("amount"); // none when refused
        QTest::addColumn<QString>("written");

        const auto row = [](const char *name, const QString &text, Amount amount = {}, const char *written = "") {
            QTest::newRow(name) << text << amount << QString::fromUtf8(written);
        };
        row("trailing zero dropped", "12,50", 125000, "12,5");
        row("blanks around, comma first", " ,5 ", 5000, "0,5");
        row("comma last", "12,", 120000, "12");
        row("zeros inside kept", "0,0001", 1, "0,0001");
        row("leading zeros", "007", 70000, "7");
        row("largest", "922337203685477,5807", std::numeric_limits<qint64>::max(), "922337203685477,5807");
        // Beyond four decimals: half to even, looking at every dropped digit.
        row("half, even stays", "0,00005", 0, "0");
        row("half, odd goes up", "0,00015", 2, "0,0002");
        row("just over half", "0,000050001", 1, "0,0001");

        row("lone comma", ",");
        row("dot", "1.500");
        row("non-Latin digit", QString(QChar(0x0663)));
        row("one past largest", "922337203685477,5808");
        row("rounding past largest", "922337203685477,58075");
        row("digits that would wrap", QString(40, QLatin1Char('9')));
    }

    // Every text written must read back as the same amount.
    void text()
    {
        QFETCH(QString, text);
        QFETCH(QString, written);

        const std::optional<Currency> read = Currency::fromText(text);
        QTEST(read ? Amount(read->tenThousandths()) : Amount(), "amount");
        if (read) {
            QCOMPARE(read->toText(), written);
            QCOMPARE(Currency::fromText(written), read);
        }
    }
};

QTEST_GUILESS_MAIN(TestCurrency)
#include "tst_currency.moc"
