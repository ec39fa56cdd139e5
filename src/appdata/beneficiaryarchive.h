#pragma once

#include <QString>
#include <QStringList>

/// The payee archive "Beneficiari.ini": one name per line.
namespace BeneficiaryArchive {

QString fileName(const QString &dataFolder);

/// The names of the file in file order, skipping lines that are empty or
/// only blanks; a name keeps its own blanks. A missing file gives none.
QStringList read(const QString &fileName);

/// Appends one name as a line, creating the file when missing. On failure
/// the file is left as it was and errorString (optional) says why.
bool append(const QString &fileName, const QString &name, QString *errorString = nullptr);

/// Rewrites the whole file with the names that are not empty, in order. On
/// failure the old file is left as it was and errorString says why.
bool rewrite(const QString &fileName, const QStringList &names, QString *errorString = nullptr);

/// The characters of name that the file's code page cannot hold, each once.
QString unstorableCharacters(const QString &name);

} // namespace BeneficiaryArchive
