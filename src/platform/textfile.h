#pragma once

#include <QByteArray>
#include <QList>
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

/// Splits file content into lines: CR LF, a lone LF and a lone CR each end
/// a line; a last line without an end counts; a final line end does not
/// start a new line.
QStringList splitLines(const QByteArray &bytes);

/// The lines of file content as the file holds them, each with its own
/// line end (CR LF, LF or CR; none for a last line without one).
QList<QByteArray> linesWithEnds(const QByteArray &bytes);

/// A line of linesWithEnds decoded, without its line end.
QString lineText(QByteArray line);

/// text made fit to be one line of a file: each line break inside it (CR LF,
/// LF or CR) becomes one blank and other control characters are dropped, so
/// that a file always has as many lines as were written.
QString fileLine(const QString &text);

/// Every line, made fit by fileLine, followed by CR LF, in Windows-1252.
QByteArray joinLines(const QStringList &lines);

/// Reads a file into lines, at most maxLines of them (all when negative);
/// reading stops once those are complete. Returns false (and no lines) when
/// the file cannot be opened or is not a regular file.
bool readLines(const QString &path, QStringList *lines, int maxLines = -1);

/// Replaces the whole file with lines, through QSaveFile: only when every
/// byte is on the disk does the new file take the old one's place, so on
/// any failure the old file is left byte for byte. errorString (optional)
/// gets the reason in words for the user ("il disco è pieno").
bool writeLines(const QString &path, const QStringList &lines, QString *errorString = nullptr);

/// writeLines for content already in the file's form.
bool writeBytes(const QString &path, const QByteArray &bytes, QString *errorString = nullptr);

/// Appends one line (with CR LF) at the end of the file, creating it when
/// missing. A failed append leaves the file as it was: cut back to its old
/// size, or not there at all. errorString as for writeLines.
bool appendLine(const QString &path, const QString &line, QString *errorString = nullptr);

} // namespace TextFile
