#pragma once

#include "chequelayout.h"

#include <QString>
#include <QStringList>

/// The layout files: 19 lines each, the meaning of a line is its position.
namespace LayoutFile {

/// Lines of a layout file; anything past them is never read.
constexpr int LineCount = 19;

/// The layout file of a bank: "Quendra<id>.ini" in the data folder, or the
/// default "Quendra.ini" when the id is 0 or less.
QString fileName(const QString &dataFolder, qint32 idBanca);

/// The built-in default layout, as start-up writes it.
QStringList defaultLines();

/// The layout of a bank that has no file of its own, and the content its
/// first file is given: the lines of the default file "Quendra.ini", or
/// defaultLines() when that is missing, empty or unreadable.
QStringList defaultLayout(const QString &dataFolder);

/// Applies the lines of a layout file to layout, place and account number.
/// Lines that do not convert leave their field alone; past the end of a
/// short file every numeric field gets the conversion of the last line read
/// and the texts keep what they held.
void readLines(const QStringList &lines, ChequeLayout &layout, QString &place, QString &account);
/// The same for a window that shows the margins as typed: lines 2 and 3 go
/// to marginLeft and marginTop unchanged, lines 1 and 17 are ignored.
void readLines(const QStringList &lines, QString &marginLeft, QString &marginTop, ChequeLayout &layout);

/// Reads the layout file of fileName, found whatever the letter case of its
/// name. A missing or unreadable file changes nothing and returns false.
bool LoadLayout(const QString &fileName, ChequeLayout &layout, QString &place, QString &account);

/// Reads the layout of bank idBanca: its own file, or else defaultLayout(),
/// which leaves place and account alone. What was read before, another
/// bank's layout, never stands in for a bank's own.
void loadBankLayout(const QString &dataFolder, qint32 idBanca, ChequeLayout &layout, QString &place,
                    QString &account);

/// The 19 lines for layout with place on line 1 and the account number on
/// line 17, numbers in the general number format (" 285 ", " 2,3 ").
/// marginLeft/marginTop, when given, replace lines 2 and 3 as typed.
QStringList lines(const QString &place, const ChequeLayout &layout, const QString &account);
QStringList lines(const QString &place, const QString &marginLeft, const QString &marginTop,
                  const ChequeLayout &layout, const QString &account);

} // namespace LayoutFile
