#include "beneficiaryarchive.h"

#include "textfile.h"

namespace BeneficiaryArchive {

QString fileName(const QString &dataFolder)
{
    return dataFolder + QLatin1String("/Beneficiari.ini");
}

QStringList read(const QString &fileName)
{
    QStringList lines;
    TextFile::readLines(fileName, &lines);
    QStringList names;
    for (const QString &line : std::as_const(lines)) {
        if (!line.trimmed().isEmpty())
            names.append(line);
    }
    return names;
}

bool append(const QString &fileName, const QString &name, QString *errorString)
{
    return TextFile::appendLine(fileName, name, errorString);
}

bool rewrite(const QString &fileName, const QStringList &names, QString *errorString)
{
    QStringList lines;
    for (const QString &name : names) {
        if (!name.isEmpty())
            lines.append(name);
    }
    return TextFile::writeLines(fileName, lines, errorString);
}

QString unstorableCharacters(const QString &name)
{
    QString bad;
    for (const QChar c : name) {
        if (!TextFile::canEncode(QString(c)) && !bad.contains(c))
            bad.append(c);
    }
    return bad;
}

} // namespace BeneficiaryArchive
