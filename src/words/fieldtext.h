#pragma once

#include <QString>

/// What the one-line entry fields keep of text that reaches them, by
/// whatever way: typed, pasted, dropped or set by the program.
namespace FieldText {

/// Text as a one-line field holds it: every line break (CR LF, LF, CR, and
/// the Unicode line and paragraph separators) becomes one blank, every other
/// control character is dropped. A value with a line break in it would
/// split its line in the data files and shift every line after it.
QString oneLine(const QString &text);

/// oneLine, also without the characters Windows-1252 cannot hold, for the
/// fields whose text is stored in the data files.
QString storable(const QString &text);

/// The amount field after an edit that turned before into after: only what
/// typing the new characters one by one would have kept stays (digits, a
/// full stop becoming the comma, a comma only while there is none), and the
/// text kept from before is left alone. cursor, when given, is moved with
/// the characters dropped before it.
QString amountEdit(const QString &before, const QString &after, int *cursor = nullptr);

} // namespace FieldText
