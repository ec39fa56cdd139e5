#pragma once

#include <QString>
#include <QStringList>

namespace Folders {

/// True when path names a folder whose listing yields at least one entry
/// (its own "." counts); any error counts as not existing.
bool FolderExists(const QString &path);

/// Creates the folder (and missing parents); false on failure.
bool createFolder(const QString &path);

/// The file path names, whatever the letter case of its name: path itself
/// when it exists, else the file of the same folder whose name differs
/// only in case (the first in name order), else path. A data folder copied
/// from Windows holds "BANCHE.INI" where this program writes "Banche.ini".
QString findAnyCase(const QString &path);

/// Where the data folder lies. With a Windows program path ("D:\Apps\x")
/// it is the drive of the program's folder + "\Quendra"; a program path
/// without a drive letter (a network share) falls back to the per-user
/// application data folder. On platforms without drive letters it is
/// "Quendra" inside the user's data location.
/// programDir: folder holding the executable; userDataDir: the per-user
/// data location (Windows: %APPDATA%, elsewhere ~/.local/share).
/// Removes what saves cut short by a crash left in the data folder: a data
/// file's name followed by the six-character suffix of a temporary copy
/// ("Quendra1.ini.Xa9bQ2"). Nothing else is touched. Returns the names
/// removed. Only the copy that holds the folder may call it: another
/// copy's save may be under way.
QStringList removeSaveLeftovers(const QString &dataFolder);

/// True when users other than the owner may list or read the folder.
bool othersCanRead(const QString &path);

QString dataFolderFor(const QString &programDir, const QString &userDataDir, bool windowsPaths);

} // namespace Folders
