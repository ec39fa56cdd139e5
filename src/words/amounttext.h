#pragma once

#include "currency.h"

#include <QString>
#include <optional>

/// The amount as people in Italy type it into the amount field.
///
/// The comma is the decimal separator and dots group the thousands
/// ("1.500,50"). A dot also stands for the comma, as the keypad's decimal
/// key types it, when no comma follows and at most two digits come after
/// it ("1500.50", "12.5"); a dot followed by three digits groups thousands
/// ("1.500" is one thousand five hundred). Grouping dots come every three
/// digits, the first group has no leading zero, and the whole part has at
/// most twelve digits (an amount with words). At most two decimal digits.
namespace AmountText {

/// True when text is an amount or can still become one by typing more at
/// its end ("1.", "1.500.", ",", "").
bool isPrefix(const QString &text);

/// The amount text means; nullopt when it is not a whole amount (blank
/// text, a lone comma, "1.500." or anything isPrefix refuses).
std::optional<Currency> read(const QString &text);

} // namespace AmountText
