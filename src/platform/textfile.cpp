#include "textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

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

struct KnownFailure
{
    int code;
    const char *reason;
};

// The system's words for a failure are English and technical; the user is
// told in Italian what stopped the save.
constexpr KnownFailure KnownFailures[] = {
    {ENOSPC, "il disco è pieno"},
    {EDQUOT, "lo spazio concesso sul disco è esaurito"},
    {EFBIG, "il file supera la dimensione concessa"},
    {EACCES, "la cartella è protetta: mancano i permessi di scrittura"},
    {EPERM, "la cartella è protetta: mancano i permessi di scrittura"},
    {EROFS, "il disco è protetto dalla scrittura"},
    {EIO, "il disco non risponde (errore di scrittura)"},
};

QString reasonForCode(int code)
{
    for (const auto &k : KnownFailures) {
        if (k.code == code)
            return QString::fromUtf8(k.reason);
    }
    return QStringLiteral("errore del sistema (%1)").arg(qt_error_string(code));
}

// Qt gives only a text; as it builds that from the system's text for the
// code, the system's text finds the code again.
QString reasonFor(const QString &systemText)
{
    for (const auto &k : KnownFailures) {
        if (systemText.contains(qt_error_string(k.code)))
            return QString::fromUtf8(k.reason);
    }
    return QStringLiteral("errore del sistema (%1)").arg(systemText);
}

QString notRegularReason()
{
    return QStringLiteral("non è un file di dati ordinario");
}

// Writes bytes into the open file at offset and makes sure they are on the
// disk. Returns the reason of a failure, or nothing.
QString writeThrough(QFileDevice &file, const QByteArray &bytes, qint64 offset)
{
#ifdef Q_OS_UNIX
    // Straight to the descriptor: the device's own buffer would keep bytes
    // back for a later flush, and a partial write there loses the reason.
    const int fd = file.handle();
    const char *data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::pwrite(fd, data, size_t(left), off_t(offset));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return reasonForCode(written < 0 ? errno : ENOSPC);
        data += written;
        left -= written;
        offset += written;
    }
    // Some file systems report a full disk no earlier than this.
    if (::fsync(fd) != 0 && errno != EINVAL)
        return reasonForCode(errno);
#else
    if (!file.seek(offset) || file.write(bytes) != bytes.size() || !file.flush())
        return reasonFor(file.errorString());
#endif
    return QString();
}

bool fail(QString *errorString, const QString &reason)
{
    if (errorString)
        *errorString = reason;
    return false;
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

QList<QByteArray> linesWithEnds(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n')
            continue;
        if (c == '\r' && i + 1 < size && bytes.at(i + 1) == '\n')
            ++i;
        lines.append(bytes.mid(start, i + 1 - start));
        start = i + 1;
    }
    if (start < size)
        lines.append(bytes.mid(start));
    return lines;
}

QString lineText(QByteArray line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return decode(line);
}

QStringList splitLines(const QByteArray &bytes)
{
    QStringList lines;
    for (const QByteArray &line : linesWithEnds(bytes))
        lines.append(lineText(line));
    return lines;
}

QString fileLine(const QString &text)
{
    QString line;
    line.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            line.append(QLatin1Char(' '));
        } else if (c >= 0x20 && c != 0x7F) {
            line.append(QChar(c));
        }
    }
    return line;
}

QByteArray joinLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += encode(fileLine(line));
        bytes += "\r\n";
    }
    return bytes;
}

bool readLines(const QString &path, QStringList *lines, int maxLines)
{
    lines->clear();
    QFile file(path);
    // Opening a FIFO waits for a writer, and a device may never end: only a
    // regular file is data.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) || file.isSequential())
        return false;
    QByteArray bytes;
    if (maxLines < 0) {
        bytes = file.readAll();
    } else {
        // Reads on only until the lines wanted are complete, so an oversized
        // file costs no more than a proper one.
        int ends = 0;
        char previous = 0;
        while (ends < maxLines && !file.atEnd()) {
            const QByteArray chunk = file.read(4096);
            if (chunk.isEmpty())
                break;
            for (const char c : chunk) {
                if (c == '\r' || (c == '\n' && previous != '\r'))
                    ++ends;
                previous = c;
            }
            bytes += chunk;
        }
    }
    *lines = splitLines(bytes);
    if (maxLines >= 0 && lines->size() > maxLines)
        lines->resize(maxLines);
    return true;
}

bool writeLines(const QString &path, const QStringList &lines, QString *errorString)
{
    return writeBytes(path, joinLines(lines), errorString);
}

bool writeBytes(const QString &path, const QByteArray &bytes, QString *errorString)
{
    QSaveFile file(path);
    // Without this, a folder we may not create files in would make QSaveFile
    // write over the old file in place, and a crash would leave it half done.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return fail(errorString, reasonFor(file.errorString()));
    // commit() writes out whatever the device still buffers and renames the
    // file whatever that write did; so the bytes go to the disk and are
    // checked here, while the old file can still be kept.
    const QString reason = writeThrough(file, bytes, 0);
    if (!reason.isEmpty()) {
        file.cancelWriting();
        return fail(errorString, reason);
    }
    if (!file.commit())
        return fail(errorString, reasonFor(file.errorString()));
    return true;
}

bool appendLine(const QString &path, const QString &line, QString *errorString)
{
    QFile file(path);
    const bool existed = file.exists();
    if (existed && !QFileInfo(path).isFile())
        return fail(errorString, notRegularReason());
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return fail(errorString, reasonFor(file.errorString()));
    const qint64 oldSize = file.size();
    // A file last edited by hand may lack the final line end; without one
    // the new line would be glued to the last name.
    QByteArray bytes;
    if (oldSize > 0 && file.seek(oldSize - 1)) {
        const QByteArray last = file.read(1);
        if (last != "\n" && last != "\r")
            bytes = "\r\n";
    }
    bytes += encode(fileLine(line)) + "\r\n";
    const QString reason = writeThrough(file, bytes, oldSize);
    if (!reason.isEmpty()) {
        // Half a line would come back as a name of its own at the next start.
        if (existed)
            file.resize(oldSize);
        else
            file.remove();
        return fail(errorString, reason);
    }
    return true;
}

} // namespace TextFile
