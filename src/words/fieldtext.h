#pragma once

#include <QString>

/// What the one-line entry fields keep of text that reaches them, by
/// whatever way: typed, pasted, dropped or set by the program.
namespace FieldText {

/// Text as a one-line field holds it: every line break (CR LF, LF, CR, and
/// the Unicode line and paragraph separators) becomes one blank, every other
/// control character is dropped, and so is every format character
/// (direction marks and overrides, zero-width spaces and joiners), which
/// would turn the printed text around or hide in it unseen.
QString oneLine(const QString &text);

/// oneLine for the fields whose text is stored in the Windows-1252 data
/// files: a character the code page cannot hold takes its plain form when
/// it has one ("ş" becomes "s", a narrow no-break space a blank); what has
/// none is left out and, when refused is given, added to it once.
QString storable(const QString &text, QString *refused = nullptr);

/// The amount field after an edit that turned before into after: the
/// characters the edit brought in are taken one by one, as typing them
/// would, each only while the text stays an amount or the start of one
/// (see AmountText); the text kept from before is left alone. An edit of
/// several characters (a paste, a drop) that would lose a digit or a sign
/// on the way is refused whole, so that no other amount is made of it;
/// refused then gets the incoming text. cursor, when given, is moved with
/// the characters dropped before it.
QString amountEdit(const QString &before, const QString &after, int *cursor = nullptr,
                   QString *refused = nullptr);

/// A print origin box after an edit, the same way: only what the layout
/// file's number reader takes stays (blanks around, a sign, digits, one
/// decimal comma), and a dot is taken as the comma.
QString marginEdit(const QString &before, const QString &after, int *cursor = nullptr);

/// characters as a message names them: each once, a blank between them,
/// those that show nothing on screen (blanks, controls, marks) by their
/// code ("U+200B"), a TAB as "TAB".
QString shownCharacters(const QString &characters);

} // namespace FieldText
