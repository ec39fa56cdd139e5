#pragma once

#include <QString>

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
QString dataFolderFor(const QString &programDir, const QString &userDataDir, bool windowsPaths);

} // namespace Folders
