#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

/// The data files are 8-bit text in Windows-1252 with CR LF line ends, so
/// that a data folder made by the Windows program reads unchanged here.
namespace TextFile {

/// Windows-1252 to Unicode. The five bytes the code page leaves undefined
/// map to the C1 control of the same value, so nothing is ever lost.
QString decode(const QByteArray &bytes);

/// Unicode to Windows-1252; characters the code page cannot hold become '?'.
QByteArray encode(const QString &text);

/// True when every character of text has a Windows-1252 byte.
bool canEncode(const QString &text);

/// Splits file content into lines: CR LF or a lone LF ends a line; a last
/// line without an end counts; a final line end does not start a new line.
QStringList splitLines(const QByteArray &bytes);

/// Every line followed by CR LF, in Windows-1252.
QByteArray joinLines(const QStringList &lines);

/// Reads a whole file into lines. Returns false (and no lines) when the
/// file cannot be opened.
bool readLines(const QString &path, QStringList *lines);

/// Replaces the whole file with lines, through QSaveFile: on any failure the
/// old file is left as it was. errorString (optional) tells why.
bool writeLines(const QString &path, const QStringList &lines, QString *errorString = nullptr);

/// Appends one line (with CR LF) at the end of the file, creating it when
/// missing.
bool appendLine(const QString &path, const QString &line, QString *errorString = nullptr);

} // namespace TextFile
