#include "currency.h"

#include <limits>

namespace {
constexpr qint64 Scale = 10000;
}

qint64 Currency::wholePart() const
{
    qint64 whole = m_value / Scale;
    if (m_value % Scale < 0)
        --whole;
    return whole;
}

std::optional<Currency> Currency::fromText(const QString &text)
{
    const QString t = text.trimmed();
    int i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) {
        negative = t[i] == QLatin1Char('-');
        ++i;
    }

    // Accumulate as an unsigned magnitude in ten-thousandths, watching for
    // overflow, so a field full of digits is refused instead of wrapping.
    const quint64 limit = negative ? quint64(std::numeric_limits<qint64>::max()) + 1
                                   : quint64(std::numeric_limits<qint64>::max());
    quint64 whole = 0;
    int digits = 0;
    for (; i < t.size() && t[i].isDigit() && t[i].unicode() < 128; ++i, ++digits) {
        const int d = t[i].unicode() - '0';
        if (whole > (limit / Scale - d) / 10)
            return std::nullopt;
        whole = whole * 10 + d;
    }

    quint64 fraction = 0; // ten-thousandths
    bool roundUp = false;
    if (i < t.size() && t[i] == QLatin1Char(',')) {
        ++i;
        int fractionDigits = 0;
        int firstDropped = -1;
        bool droppedNonZeroAfterFirst = false;
        for (; i < t.size() && t[i].isDigit() && t[i].unicode() < 128; ++i, ++digits, ++fractionDigits) {
            const int d = t[i].unicode() - '0';
            if (fractionDigits < 4)
                fraction = fraction * 10 + d;
            else if (firstDropped < 0)
                firstDropped = d;
            else if (d != 0)
                droppedNonZeroAfterFirst = true;
        }
        for (int k = fractionDigits; k < 4; ++k)
            fraction *= 10;
        if (firstDropped > 5 || (firstDropped == 5 && (droppedNonZeroAfterFirst || fraction % 2 == 1)))
            roundUp = true;
    }
    if (i != t.size() || digits == 0)
        return std::nullopt;

    quint64 magnitude = whole * Scale + fraction + (roundUp ? 1 : 0);
    if (magnitude > limit)
        return std::nullopt;
    const qint64 value = negative ? qint64(0 - magnitude) : qint64(magnitude);
    return fromTenThousandths(value);
}

QString Currency::toText() const
{
    const bool negative = m_value < 0;
    const quint64 magnitude = negative ? 0 - quint64(m_value) : quint64(m_value);
    QString text = QString::number(magnitude / Scale);
    quint64 fraction = magnitude % Scale;
    if (fraction != 0) {
        QString f = QString::number(fraction).rightJustified(4, QLatin1Char('0'));
        while (f.endsWith(QLatin1Char('0')))
            f.chop(1);
        text += QLatin1Char(',') + f;
    }
    if (negative)
        text.prepend(QLatin1Char('-'));
    return text;
}
