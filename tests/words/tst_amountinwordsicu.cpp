// Compares the whole-part words with ICU's Italian spell-out, an
// independent speller, over a broad sample of numbers.

#include "amountinwords.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

#include <memory>

class TestAmountInWordsIcu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void normalisation_data();
    void normalisation();
    void agreesWithIcu_data();
    void agreesWithIcu();

private:
    QString icuWords(qint64 n) const;
    static QString ourWords(qint64 n);

    std::unique_ptr<icu::RuleBasedNumberFormat> m_speller;
};

void TestAmountInWordsIcu::initTestCase()
{
    UErrorCode status = U_ZERO_ERROR;
    m_speller = std::make_unique<icu::RuleBasedNumberFormat>(icu::URBNF_SPELLOUT,
                                                            icu::Locale("it"), status);
    QVERIFY2(U_SUCCESS(status), u_errorName(status));
}

// ICU writes "ventitré", "un milione due­cento­mila" with blanks and soft
// hyphens; our words are one upper-case word without accents.
// One elision genuinely differs: before a power name ICU shortens a final
// -UNO of a compound number to -UN (VENTUNMILA, TRENTUN MILIONI), where
// our rules keep VENTUNOMILA. Only that pattern is mapped back. UNO on
// its own (UN MILIONE, MILLE) and CENTOUNO are spelled alike by both.
QString TestAmountInWordsIcu::icuWords(qint64 n) const
{
    icu::UnicodeString spelled;
    m_speller->format(static_cast<int64_t>(n), spelled);
    QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(spelled.getBuffer()),
                                      spelled.length());
    text.remove(QLatin1Char(' '));
    text.remove(QChar(0x00AD));
    text = text.normalized(QString::NormalizationForm_D);
    text.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    text = text.toUpper();
    static const QRegularExpression shortenedUno(QStringLiteral("NTUN(MILA|MILION|MILIARD)"));
    text.replace(shortenedUno, QStringLiteral("NTUNO\\1"));
    return text;
}

QString TestAmountInWordsIcu::ourWords(qint64 n)
{
    QString text = AmountInWords(Currency::fromTenThousandths(n * 10000));
    if (!text.endsWith(QLatin1String(" / 00")))
        return QStringLiteral("<no words: %1>").arg(text);
    text.chop(5);
    return text;
}

// The normalisation must not paper over differences by itself.
void TestAmountInWordsIcu::normalisation_data()
{
    QTest::addColumn<qint64>("n");
    QTest::addColumn<QString>("expected");
    QTest::newRow("accent dropped") << qint64(23) << "VENTITRE";
    QTest::newRow("shortened UNO before MILA") << qint64(21000) << "VENTUNOMILA";
    QTest::newRow("shortened UNO before MILIONI") << qint64(31000000) << "TRENTUNOMILIONI";
    QTest::newRow("shortened UNO before MILIARDI") << qint64(81000000000) << "OTTANTUNOMILIARDI";
    QTest::newRow("lone UN MILIONE untouched") << qint64(1000000) << "UNMILIONE";
    QTest::newRow("MILLE untouched") << qint64(1001) << "MILLEUNO";
    QTest::newRow("final VENTUNO untouched") << qint64(21) << "VENTUNO";
}

void TestAmountInWordsIcu::normalisation()
{
    QFETCH(qint64, n);
    QFETCH(QString, expected);
    QCOMPARE(icuWords(n), expected);
}

void TestAmountInWordsIcu::agreesWithIcu_data()
{
    QTest::addColumn<QList<qint64>>("numbers");

    QList<qint64> small;
    for (qint64 n = 0; n <= 2000; ++n)
        small << n;
    QTest::newRow("0 to 2000") << small;

    // Every group value in every position at once: 7 007 007 007...
    QList<qint64> repeated;
    for (qint64 g = 0; g < 1000; ++g)
        repeated << g * Q_INT64_C(1001001001);
    QTest::newRow("one group value in all four groups") << repeated;

    QList<qint64> round;
    const qint64 multipliers[] = {1, 2, 3, 8, 10, 11, 17, 20, 21, 28, 31, 81, 88, 99, 100, 101,
                                  108, 111, 118, 180, 181, 188, 200, 201, 281, 500, 801, 999};
    for (qint64 k : multipliers) {
        for (qint64 power = 1; k * power < Q_INT64_C(1000000000000); power *= 10)
            round << k * power;
    }
    QTest::newRow("round numbers k*10^n") << round;

    QRandomGenerator random(20240605);
    qint64 low = 1;
    for (int digits = 1; digits <= 12; ++digits) {
        const qint64 high = low * 10;
        QList<qint64> sample;
        for (int i = 0; i < 400; ++i)
            sample << low + qint64(random.bounded(quint64(high - low)));
        QTest::addRow("random, %d digits", digits) << sample;
        low = high;
    }
}

void TestAmountInWordsIcu::agreesWithIcu()
{
    QFETCH(QList<qint64>, numbers);
    for (qint64 n : numbers) {
        const QString ours = ourWords(n);
        const QString icu = icuWords(n);
        if (ours != icu)
            QFAIL(qPrintable(QStringLiteral("%1: ours %2, ICU %3").arg(n).arg(ours, icu)));
    }
}

QTEST_GUILESS_MAIN(TestAmountInWordsIcu)
#include "tst_amountinwordsicu.moc"
