#include "lastbank.h"

#include <QDateTime>
#include <QDirIterator>
#include <QFileInfo>

namespace LastBank {

QString DigitsOnly(const QString &text)
{
    QString digits;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits.append(c);
    }
    return digits;
}

void SetLastIDbanca(const QString &dataFolder, qint32 &id)
{
    QDateTime latest;
    // Without QDir::CaseSensitive the pattern ignores case, so a Windows
    // copy's QUENDRA12.INI counts as well.
    QDirIterator files(dataFolder, {QStringLiteral("Quendra*.ini")}, QDir::Files | QDir::Hidden);
    while (files.hasNext()) {
        const QFileInfo file(files.next());
        const QDateTime written = file.lastModified();
        if (!written.isValid() || (latest.isValid() && written <= latest))
            continue;
        latest = written;
        // A copy with a digit in its name counts as that bank; more digits
        // than an id can hold name no bank.
        bool ok = false;
        const qint32 number = DigitsOnly(file.fileName()).toInt(&ok);
        id = ok ? number : 0;
    }
}

} // namespace LastBank
