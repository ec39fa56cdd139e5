#include "numbertext.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace NumberText {

bool toSingle(const QString &text, float *value)
{
    QByteArray ascii;
    const QString t = text.trimmed();
    ascii.reserve(t.size());
    bool seenDigit = false;
    bool seenComma = false;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            seenDigit = true;
            ascii.append(char(c.unicode()));
        } else if (c == QLatin1Char(',') && !seenComma) {
            seenComma = true;
            ascii.append('.');
        } else if ((c == QLatin1Char('-') || c == QLatin1Char('+')) && i == 0) {
            if (c == QLatin1Char('-'))
                ascii.append('-');
        } else {
            return false;
        }
    }
    if (!seenDigit)
        return false;
    float parsed = 0;
    const char *begin = ascii.constData();
    const char *end = begin + ascii.size();
    // from_chars does not take a trailing or leading lone point; pad it.
    QByteArray padded;
    if (ascii.endsWith('.') || ascii.startsWith('.') || ascii.startsWith("-.")) {
        padded = ascii;
        if (padded.endsWith('.'))
            padded.append('0');
        if (padded.startsWith('.'))
            padded.prepend('0');
        else if (padded.startsWith("-."))
            padded.insert(1, '0');
        begin = padded.constData();
        end = begin + padded.size();
    }
    const auto result = std::from_chars(begin, end, parsed);
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(parsed))
        return false;
    *value = parsed;
    return true;
}

double leadingNumber(const QString &text)
{
    QByteArray ascii;
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && (text.at(i) == QLatin1Char(' ') || text.at(i) == QLatin1Char('\t')))
            ++i;
    };
    auto digitAt = [&](qsizetype k) {
        return k < text.size() && text.at(k) >= QLatin1Char('0') && text.at(k) <= QLatin1Char('9');
    };
    skipBlanks();
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        if (text.at(i) == QLatin1Char('-'))
            ascii.append('-');
        ++i;
    }
    bool anyDigit = false;
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        skipBlanks();
        if (digitAt(i)) {
            anyDigit = true;
            ascii.append(char(text.at(i).unicode()));
        } else if (i < text.size() && text.at(i) == QLatin1Char('.') && !seenPoint) {
            seenPoint = true;
            ascii.append('.');
        } else {
            break;
        }
    }
    if (!anyDigit)
        return 0;
    // An exponent counts only when digits follow it: "1e5" is 100000, "1e" is 1.
    if (i < text.size() && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        qsizetype k = i + 1;
        QByteArray exponent = "e";
        if (k < text.size() && (text.at(k) == QLatin1Char('-') || text.at(k) == QLatin1Char('+')))
            exponent.append(char(text.at(k++).unicode()));
        if (digitAt(k)) {
            while (digitAt(k))
                exponent.append(char(text.at(k++).unicode()));
            ascii += exponent;
        }
    }
    if (ascii.endsWith('.'))
        ascii.chop(1);
    if (ascii.startsWith('.'))
        ascii.prepend('0');
    if (ascii.startsWith("-."))
        ascii.insert(1, '0');
    double value = 0;
    const auto result = std::from_chars(ascii.constData(), ascii.constData() + ascii.size(), value);
    if (result.ec != std::errc())
        return 0;
    return value;
}

bool leadingInteger16(const QString &text, qint16 *value)
{
    const double rounded = std::nearbyint(leadingNumber(text)); // default mode: halves to even
    if (!(rounded >= std::numeric_limits<qint16>::min() && rounded <= std::numeric_limits<qint16>::max()))
        return false;
    *value = qint16(rounded);
    return true;
}

QString generalFormat(float value)
{
    char buffer[64];
    // Fixed notation keeps the files free of exponents; the shortest form
    // that reads back as the same float is what a person would type.
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    if (!text.startsWith(QLatin1Char('-')))
        text.prepend(QLatin1Char(' '));
    return text + QLatin1Char(' ');
}

} // namespace NumberText
