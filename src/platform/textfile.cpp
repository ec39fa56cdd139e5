#include "textfile.h"

#include <QFile>
#include <QSaveFile>

namespace {

// Unicode code points of bytes 0x80..0x9F; the rest of the code page is
// Latin-1.
constexpr char16_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int byteFor(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i) {
        if (HighControls[i] == u)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

namespace TextFile {

QString decode(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? HighControls[b - 0x80] : char16_t(b));
    }
    return text;
}

QByteArray encode(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const int b = byteFor(c);
        bytes.append(b < 0 ? '?' : char(b));
    }
    return bytes;
}

bool canEncode(const QString &text)
{
    for (const QChar c : text) {
        if (byteFor(c) < 0)
            return false;
    }
    return true;
}

QStringList splitLines(const QByteArray &bytes)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const bool last = end < 0;
        if (last)
            end = bytes.size();
        qsizetype lineEnd = end;
        if (!last && lineEnd > start && bytes.at(lineEnd - 1) == '\r')
            --lineEnd;
        lines.append(decode(bytes.mid(start, lineEnd - start)));
        start = end + 1;
    }
    return lines;
}

QByteArray joinLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

bool readLines(const QString &path, QStringList *lines)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        lines->clear();
        return false;
    }
    *lines = splitLines(file.readAll());
    return true;
}

bool writeLines(const QString &path, const QStringList &lines, QString *errorString)
{
    QSaveFile file(path);
    // Without this, a folder we may not create files in would make QSaveFile
    // write over the old file in place, and a crash would leave it half done.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    const QByteArray bytes = joinLines(lines);
    if (file.write(bytes) != bytes.size()) {
        if (errorString)
            *errorString = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    return true;
}

bool appendLine(const QString &path, const QString &line, QString *errorString)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    // A file last edited by hand may lack the final line end; without one
    // the new line would be glued to the last name.
    QByteArray bytes;
    if (file.size() > 0 && file.seek(file.size() - 1) && file.read(1) != "\n")
        bytes = "\r\n";
    bytes += encode(line) + "\r\n";
    file.seek(file.size());
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    return true;
}

} // namespace TextFile
