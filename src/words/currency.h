#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

/// A fixed-point amount: a signed 64-bit count of ten-thousandths, as the
/// cheque amounts are kept. Text forms always use the decimal comma,
/// whatever the machine's locale.
class Currency
{
public:
    constexpr Currency() = default;

    static constexpr Currency fromTenThousandths(qint64 tenThousandths)
    {
        Currency c;
        c.m_value = tenThousandths;
        return c;
    }

    constexpr qint64 tenThousandths() const { return m_value; }

    /// Whole part, rounded down (towards minus infinity).
    qint64 wholePart() const;

    /// Reads "1500", "12,50", " 0,5 ", ",5", "12,": optional sign, digits,
    /// at most one decimal comma; blanks around the number are ignored.
    /// More than four decimals are rounded half to even. Anything else
    /// (letters, a lone comma, a dot, a value out of range) gives nullopt.
    static std::optional<Currency> fromText(const QString &text);

    /// "1500", "1500,5", "12,345", "-0,25": decimal comma, no trailing
    /// zeros in the fraction, no thousands separators.
    QString toText() const;

    friend constexpr bool operator==(Currency a, Currency b) { return a.m_value == b.m_value; }
    friend constexpr bool operator!=(Currency a, Currency b) { return a.m_value != b.m_value; }
    friend constexpr bool operator<(Currency a, Currency b) { return a.m_value < b.m_value; }
    friend constexpr bool operator>(Currency a, Currency b) { return a.m_value > b.m_value; }

private:
    qint64 m_value = 0;
};
