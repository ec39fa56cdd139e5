#include "chequerecord.h"

bool operator==(const ChequeRecord &a, const ChequeRecord &b)
{
    return a.id == b.id && a.printedAt == b.printedAt && a.bankName == b.bankName && a.bankId == b.bankId
        && a.account == b.account && a.place == b.place && a.date == b.date && a.amountCents == b.amountCents
        && a.amountWords == b.amountWords && a.payee == b.payee && a.printer == b.printer
        && a.serial == b.serial && a.annulled == b.annulled && a.annulReason == b.annulReason;
}

namespace {

QString withComma(qint64 cents, bool grouped)
{
    const bool negative = cents < 0;
    const quint64 magnitude = negative ? 0 - quint64(cents) : quint64(cents);
    QString whole = QString::number(magnitude / 100);
    if (grouped)
        for (int at = whole.size() - 3; at > 0; at -= 3)
            whole.insert(at, QLatin1Char('.'));
    return QStringLiteral("%1%2,%3")
        .arg(negative ? QStringLiteral("-") : QString(), whole)
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

QString centsText(qint64 cents)
{
    return withComma(cents, false);
}

QString centsGrouped(qint64 cents)
{
    return withComma(cents, true);
}
