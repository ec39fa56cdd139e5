#include "amountinwords.h"

#include <array>

namespace {

constexpr std::array<const char *, 10> Hundreds = {
    "",          "CENTO",       "DUECENTO",  "TRECENTO",  "QUATTROCENTO",
    "CINQUECENTO", "SEICENTO",  "SETTECENTO", "OTTOCENTO", "NOVECENTO",
};
constexpr std::array<const char *, 10> Tens = {
    "", "", "VENTI", "TRENTA", "QUARANTA", "CINQUANTA", "SESSANTA", "SETTANTA", "OTTANTA", "NOVANTA",
};
constexpr std::array<const char *, 10> Teens = {
    "DIECI",    "UNDICI",   "DODICI",      "TREDICI",  "QUATTORDICI",
    "QUINDICI", "SEDICI",   "DICIASSETTE", "DICIOTTO", "DICIANNOVE",
};
constexpr std::array<const char *, 10> Units = {
    "", "UNO", "DUE", "TRE", "QUATTRO", "CINQUE", "SEI", "SETTE", "OTTO", "NOVE",
};

constexpr qint64 Thousand = 1000;
constexpr qint64 Million = Thousand * Thousand;
constexpr qint64 Billion = Million * Thousand;
constexpr qint64 FirstUnnamed = Billion * Thousand;

// Replaces the first occurrence of pattern, again and again while one is
// left. Pattern and replacement have the same length, so the other words
// stay where they are and the filler blanks are dropped at the very end.
void substitute(QString &text, QLatin1String pattern, QLatin1String replacement)
{
    Q_ASSERT(pattern.size() == replacement.size());
    for (qsizetype at = text.indexOf(pattern); at >= 0; at = text.indexOf(pattern))
        text.replace(at, pattern.size(), replacement);
}

QString decimalDigits(Currency amount)
{
    const QString text = amount.toText();
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma < 0)
        return QStringLiteral("00");
    QString digits = text.mid(comma + 1);
    if (digits.size() == 1)
        digits += QLatin1Char('0');
    return digits;
}

} // namespace

QString GroupWords(const QString &group)
{
    if (group.size() > 3)
        return QString();
    const QString field = group.rightJustified(3, QLatin1Char(' '));
    std::array<int, 3> digit{};
    for (int i = 0; i < 3; ++i) {
        const char16_t c = field[i].unicode();
        if (c == u' ')
            digit[i] = 0;
        else if (c >= u'0' && c <= u'9')
            digit[i] = c - u'0';
        else
            return QString();
    }
    const auto [hundreds, tens, units] = digit;

    QString words = QLatin1String(Hundreds[hundreds]);
    if (tens == 1) {
        words += QLatin1String(Teens[units]);
    } else {
        words += QLatin1String(Tens[tens]);
        words += QLatin1String(Units[units]);
    }
    return words;
}

QString AmountInWords(Currency amount)
{
    // Amounts come from a field that takes only digits and a comma, so a
    // negative one can only be a caller's mistake: give no words rather
    // than words for a different number.
    if (amount.tenThousandths() < 0)
        return QString();
    const qint64 n = amount.wholePart();
    if (n >= FirstUnnamed)
        return QString();

    QString words;
    if (n == 0) {
        words = QStringLiteral("ZERO");
    } else {
        // Groups of three digits from the right, the leftmost one first;
        // groups missing on the left stay empty text.
        const QString digits = QString::number(n);
        std::array<QString, 4> group;
        const int groupCount = int((digits.size() + 2) / 3);
        qsizetype end = digits.size();
        for (int g = groupCount - 1; g >= 0; --g) {
            const qsizetype begin = qMax<qsizetype>(0, end - 3);
            group[g] = digits.mid(begin, end - begin);
            end = begin;
        }

        std::array<QLatin1String, 3> name;
        if (n >= Billion)
            name = {QLatin1String("MILIARDI"), QLatin1String("MILIONI"), QLatin1String("MILA")};
        else if (n >= Million)
            name = {QLatin1String("MILIONI"), QLatin1String("MILA"), QLatin1String()};
        else if (n >= Thousand)
            name = {QLatin1String("MILA"), QLatin1String(), QLatin1String()};

        std::array<QString, 4> spelled;
        for (int g = 0; g < 4; ++g)
            spelled[g] = GroupWords(group[g]);
        // A group worth nothing takes no power name: 1 000 000 has no MILA.
        if (spelled[1].isEmpty())
            name[1] = QLatin1String();
        if (spelled[2].isEmpty())
            name[2] = QLatin1String();

        words.reserve(128);
        words += spelled[0] + name[0] + QLatin1Char('*') + spelled[1] + name[1] + QLatin1Char('*')
            + spelled[2] + name[2] + QLatin1Char('*') + spelled[3];

        // The conditions keep UNO where it ends a larger group:
        // 21 000 is VENTUNOMILA, 101 000 000 is CENTOUNOMILIONI.
        if ((n / Thousand) % 1000 == 1)
            substitute(words, QLatin1String("UNOMILA"), QLatin1String("MILLE  "));
        substitute(words, QLatin1String("NTIUNO"), QLatin1String("NTUNO "));
        substitute(words, QLatin1String("NTAUNO"), QLatin1String("NTUNO "));
        substitute(words, QLatin1String("NTIOTTO"), QLatin1String("NTOTTO "));
        substitute(words, QLatin1String("NTAOTTO"), QLatin1String("NTOTTO "));
        if ((n / Million) % 1000 == 1)
            substitute(words, QLatin1String("UNOMILIONI"), QLatin1String("UNMILIONE "));
        if ((n / Billion) % 1000 == 1)
            substitute(words, QLatin1String("UNOMILIARDI"), QLatin1String("UNMILIARDO "));
        substitute(words, QLatin1String("OO"), QLatin1String("O "));
        substitute(words, QLatin1String("EE"), QLatin1String("E "));
        substitute(words, QLatin1String("II"), QLatin1String("I "));

        words.remove(QLatin1Char(' '));
        words.remove(QLatin1Char('*'));
    }
    return words + QLatin1String(" / ") + decimalDigits(amount);
}
