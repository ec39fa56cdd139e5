#include "amounttext.h"

#include <QRegularExpression>

namespace AmountText {

namespace {

const QRegularExpression &grammar()
{
    // Plain whole part with an optional decimal comma; plain whole part with
    // the keypad's dot for the comma; whole part grouped by dots.
    static const QRegularExpression re(QStringLiteral("^(?:[0-9]{0,12}(?:,[0-9]{0,2})?"
                                                      "|[0-9]{1,12}\\.[0-9]{0,2}"
                                                      "|[1-9][0-9]{0,2}(?:\\.[0-9]{3}){1,3}(?:,[0-9]{0,2})?)$"));
    return re;
}

bool decimalDot(const QString &text)
{
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    return dot >= 0 && !text.contains(QLatin1Char(',')) && text.size() - dot - 1 <= 2;
}

} // namespace

bool isPrefix(const QString &text)
{
    const QRegularExpressionMatch m =
        grammar().match(text, 0, QRegularExpression::PartialPreferCompleteMatch);
    return m.hasMatch() || m.hasPartialMatch();
}

std::optional<Currency> read(const QString &text)
{
    if (!grammar().match(text).hasMatch())
        return std::nullopt;
    QString plain = text;
    if (decimalDot(plain))
        plain.replace(QLatin1Char('.'), QLatin1Char(','));
    else
        plain.remove(QLatin1Char('.'));
    return Currency::fromText(plain);
}

} // namespace AmountText
