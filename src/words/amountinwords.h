#pragma once

#include "currency.h"

#include <QString>

/// Spells a group of one to three digits ("7", "21", "108") in upper-case
/// Italian, without elisions (21 gives VENTIUNO). Blanks count as 0. Empty
/// for a group worth 0, for empty text, and for anything that is not such
/// a group (a fourth character, a letter).
QString GroupWords(const QString &group);

/// The amount as a cheque carries it in words: the whole part as one word,
/// " / ", then the decimal digits as they stand, at least two
/// ("MILLECINQUECENTO / 50" for 1500,5; "DODICI / 345" for 12,345).
/// Empty for negative amounts and for whole parts of 1 000 000 000 000 or
/// more, which have no name here.
QString AmountInWords(Currency amount);
