#pragma once

#include <QString>
#include <QtGlobal>

/// Number text as the data files hold it: the decimal comma, whatever the
/// locale of the machine the program runs on.
namespace NumberText {

/// The locale-aware text-to-number conversion: an optional sign, digits and
/// at most one decimal comma, with blanks around the number ignored
/// (" 13,5 " is 13.5). Returns false for anything else, empty text included.
bool toSingle(const QString &text, float *value);

/// The leading number of text with a dot as the decimal point: blanks are
/// skipped, reading stops at the first character that cannot continue a
/// number, and text without a number gives 0 ("1,0" is 1, "abc" is 0).
double leadingNumber(const QString &text);

/// leadingNumber rounded to the nearest whole number, halves to even.
/// Returns false, leaving value alone, when that is outside 16 bits.
bool leadingInteger16(const QString &text, qint16 *value);

/// The general number format used when numbers are written back: the
/// shortest single-precision form with a decimal comma, a blank before a
/// non-negative number and one after every number (285 -> " 285 ",
/// 2.3 -> " 2,3 ", -4 -> "-4 ").
QString generalFormat(float value);

} // namespace NumberText
