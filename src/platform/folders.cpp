#include "folders.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace Folders {

bool FolderExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QDir dir(path);
    if (!QFileInfo(path).isDir())
        return false;
    return !dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System).isEmpty();
}

bool createFolder(const QString &path)
{
    return QDir().mkpath(path);
}

QString findAnyCase(const QString &path)
{
    const QFileInfo exact(path);
    if (exact.exists() || exact.fileName().isEmpty())
        return path;
    const QDir folder = exact.dir();
    const QStringList files = folder.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &name : files) {
        if (name.compare(exact.fileName(), Qt::CaseInsensitive) == 0)
            return folder.filePath(name);
    }
    return path;
}

QStringList removeSaveLeftovers(const QString &dataFolder)
{
    static const QRegularExpression leftover(
        QStringLiteral("^(banche|beneficiari|stampanti|quendra[0-9]*)\\.(ini|png)\\.[A-Za-z0-9]{6}$"),
        QRegularExpression::CaseInsensitiveOption);
    QDir folder(dataFolder);
    QStringList removed;
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (leftover.match(name).hasMatch() && folder.remove(name))
            removed.append(name);
    }
    return removed;
}

bool othersCanRead(const QString &path)
{
    const QFileInfo folder(path);
    return folder.isDir()
        && (folder.permissions() & (QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
}

QString dataFolderFor(const QString &programDir, const QString &userDataDir, bool windowsPaths)
{
    if (windowsPaths) {
        const bool hasDrive = programDir.size() >= 2 && programDir.at(1) == QLatin1Char(':')
            && programDir.at(0).isLetter();
        const QString base = hasDrive ? programDir.left(2) : userDataDir;
        QString folder = base;
        if (!folder.endsWith(QLatin1Char('\\')) && !folder.endsWith(QLatin1Char('/')))
            folder += QLatin1Char('\\');
        return folder + QLatin1String("Quendra");
    }
    return userDataDir + QLatin1String("/Quendra");
}

} // namespace Folders
