#pragma once

#include "chequerecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

/// The register as a spreadsheet in Italian opens it without questions:
/// UTF-8 with a byte-order mark, ";" between fields, CR LF line ends,
/// amounts with the decimal comma and two decimals, a header line first.
namespace RegisterCsv {

QByteArray bytes(const QList<ChequeRecord> &rows);

/// Writes bytes(rows) to \a fileName whole or not at all (QSaveFile).
bool write(const QString &fileName, const QList<ChequeRecord> &rows, QString *reason);

/// `quendra --registro-csv FILE`: every row of the register in \a dataFolder,
/// oldest first, into \a fileName; a register not yet made gives the header
/// alone. Returns the exit status; an Italian message goes to \a errors.
int exportCommand(const QString &dataFolder, const QString &fileName, QString *errors);

} // namespace RegisterCsv
