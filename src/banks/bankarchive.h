#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

/// The bank archive "Banche.ini": one bank account per line, the name
/// field, "|", the account number. The name field is the name as typed,
/// 100 blanks and the id, so the id is always among its last 5 characters.
namespace BankArchive {

QString fileName(const QString &dataFolder);

/// The highest id the name field holds: its last 5 characters.
constexpr qint64 MaxId = 99999;

/// The name field of a bank: name exactly as typed, 100 blanks, the id.
QString nameField(const QString &name, qint32 id);

/// The id of a name field: its last 5 characters, trimmed, read as a
/// number and rounded (0 when they hold none).
qint32 idOf(const QString &nameField);

/// The bank name of a name field: all but its last 5 characters, trimmed.
QString nameOf(const QString &nameField);

/// The lines of the file that hold a bank (those with a "|"), in file
/// order. A missing or unreadable file gives none; the file is found
/// whatever the letter case of its name.
QStringList read(const QString &fileName);

/// Rewrites the whole file with lines (an empty list leaves an empty file).
/// On failure the old file stays as it was and errorString says why.
bool write(const QString &fileName, const QStringList &lines, QString *errorString = nullptr);

/// One line of the archive exactly as the file holds it, so that a line
/// the list cannot show, or shows only in part, goes back to the file as it
/// came. text is the line decoded, without its line end.
struct FileLine
{
    QByteArray bytes; ///< with its line end, if it had one
    QString text;
    /// Whether the bank list shows it: a line without "|" holds no bank.
    bool holdsBank() const { return text.contains(QLatin1Char('|')); }
};

/// The file's content cut into its lines, line ends kept (CR LF, LF or CR).
QList<FileLine> fileLines(const QByteArray &bytes);

/// The line that holds a bank's row as the list gives it (cells joined by
/// TAB), ended by CR LF.
FileLine lineForRow(const QString &row);

/// The file's content again: every line's bytes, in order. A last line
/// without a line end gets one when another line follows it.
QByteArray fileBytes(const QList<FileLine> &lines);

/// The whole file's bytes; a missing or irregular file gives none.
QByteArray readBytes(const QString &fileName);

/// One entry of the main window's bank selector.
struct SelectorItem
{
    QString text; ///< name, " / ", account number
    qint32 id;
    QString account; ///< as stored: a name with "/" in it cannot be split from the text
    friend bool operator==(const SelectorItem &a, const SelectorItem &b)
    {
        return a.text == b.text && a.id == b.id && a.account == b.account;
    }
};

/// The selector's entries for the archive's lines: the id from the 6
/// characters before the "|" (their leading digits), the name from those
/// before them, the account number from all after the "|".
QList<SelectorItem> selectorItems(const QStringList &lines);

/// The id for a new bank: the first after maxId that no file of the data
/// folder carries, fileNames being the names there. A file carries an id
/// when its name is "Quendra", the id in digits, "." and anything, in any
/// letter case: a deleted bank's layout and cheque picture stay behind, and
/// a new bank given its id would inherit them.
qint64 nextId(qint64 maxId, const QStringList &fileNames);

/// The characters of text that would not come back from the archive as
/// typed: "|" and TAB (the field separators once read), line breaks and
/// other control characters, and what Windows-1252 cannot hold. Each once.
QString refusedCharacters(const QString &text);

} // namespace BankArchive
