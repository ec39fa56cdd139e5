#include "textlinesmodel.h"

#include "textfile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace {

bool isBlank(uchar c)
{
    // The bytes whose characters QString::trimmed() removes.
    return c == ' ' || (c >= '\t' && c <= '\r') || c == 0xA0;
}

bool isControl(uchar c)
{
    return c < 0x20 || c == 0x7F;
}

} // namespace

TextLinesModel::TextLinesModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

TextLinesModel::~TextLinesModel()
{
    if (m_loader.joinable())
        m_loader.join();
    if (m_builder.joinable())
        m_builder.join();
}

void TextLinesModel::load(const QString &path)
{
    if (m_loader.joinable())
        m_loader.join(); // an older file: its lines give way to these
    replaceLines(readLines(path));
}

void TextLinesModel::startLoading(const QString &path)
{
    if (m_loader.joinable())
        m_loader.join();
    m_loader = std::thread([this, path] {
        m_read = readLines(path);
        QMetaObject::invokeMethod(this, &TextLinesModel::loaded, Qt::QueuedConnection);
    });
}

void TextLinesModel::finishLoading()
{
    if (!m_loader.joinable())
        return;
    m_loader.join();
    replaceLines(std::exchange(m_read, Lines()));
}

TextLinesModel::Lines TextLinesModel::readLines(const QString &path)
{
    Lines lines;
    QFile file(path);
    // Opening a FIFO waits for a writer, and a device may never end: only a
    // regular file is data. Offsets are 32-bit: a larger file is no archive.
    if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) && !file.isSequential()
        && file.size() < qint64(std::numeric_limits<quint32>::max()))
        lines.bytes = file.readAll();
    // The lines worth keeping are packed to the front of the same buffer,
    // without their line ends, so the file is never held twice.
    char *data = lines.bytes.data();
    const char *const end = data + lines.bytes.size();
    lines.starts.reserve(std::count(lines.bytes.cbegin(), lines.bytes.cend(), '\n') + 2);
    qsizetype kept = 0;
    const char *lf = data - 1;
    for (const char *p = data; p < end;) {
        // memchr runs through a long file far faster than a byte loop; the
        // next LF is looked up once, not once per line of a CR-only file.
        if (lf < p) {
            lf = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)));
            if (!lf)
                lf = end;
        }
        const auto *cr = static_cast<const char *>(std::memchr(p, '\r', size_t(lf - p)));
        const char *lineEnd = cr ? cr : lf;
        const char *c = p;
        while (c < lineEnd && isBlank(uchar(*c)))
            ++c;
        if (c < lineEnd) {
            std::memmove(data + kept, p, size_t(lineEnd - p));
            kept += lineEnd - p;
            lines.starts.append(quint32(kept));
        }
        p = lineEnd + (lineEnd + 1 < end && lineEnd[0] == '\r' && lineEnd[1] == '\n' ? 2 : 1);
    }
    lines.bytes.truncate(kept);
    lines.bytes.squeeze();
    lines.starts.squeeze();
    return lines;
}

void TextLinesModel::replaceLines(Lines lines)
{
    beginResetModel();
    if (m_builder.joinable())
        m_builder.join();
    m_pending.reset();
    m_index.reset();
    m_bytes = std::move(lines.bytes);
    m_starts = std::move(lines.starts);
    endResetModel();
}

int TextLinesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_starts.size() - 1);
}

QVariant TextLinesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    // A line longer than any name a cheque can hold is shown cut: the list
    // measures every text it shows, and a line of megabytes took the field
    // minutes and hundreds of megabytes. The line itself stays whole.
    const quint32 start = m_starts[index.row()];
    const quint32 size = m_starts[index.row() + 1] - start;
    if (size <= MaxShownLength)
        return text(index.row());
    return TextFile::decode(QByteArray::fromRawData(m_bytes.constData() + start, MaxShownLength)) + QChar(0x2026);
}

QString TextLinesModel::text(int row) const
{
    const quint32 start = m_starts[row];
    return TextFile::decode(QByteArray::fromRawData(m_bytes.constData() + start, m_starts[row + 1] - start));
}

bool TextLinesModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count <= 0 || row + count > rowCount())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    const quint32 from = m_starts[row];
    const quint32 removed = m_starts[row + count] - from;
    m_bytes.remove(from, removed);
    m_starts.remove(row + 1, count);
    for (qsizetype i = row + 1; i < m_starts.size(); ++i)
        m_starts[i] -= removed;
    if (m_index)
        m_index->linesRemoved(row, row + count - 1);
    listChanged();
    endRemoveRows();
    return true;
}

void TextLinesModel::append(const QString &line)
{
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    m_bytes += TextFile::encode(line);
    m_starts.append(quint32(m_bytes.size()));
    if (m_index)
        m_index->lineAppended(m_bytes, m_starts);
    listChanged();
    endInsertRows();
}

int TextLinesModel::indexOf(const QString &text) const
{
    // A list line holds only what the code page can; other text is in no line.
    if (!TextFile::canEncode(text))
        return -1;
    const QByteArray wanted = TextFile::encode(text);
    const quint32 length = quint32(wanted.size());
    for (int row = 0; row < rowCount(); ++row) {
        const quint32 start = m_starts[row];
        if (m_starts[row + 1] - start == length
            && std::memcmp(m_bytes.constData() + start, wanted.constData(), length) == 0)
            return row;
    }
    return -1;
}

QByteArray TextLinesModel::fileBytes() const
{
    QByteArray out;
    out.reserve(m_bytes.size() + 2 * rowCount());
    for (int row = 0; row < rowCount(); ++row) {
        for (quint32 i = m_starts[row]; i < m_starts[row + 1]; ++i) {
            if (!isControl(uchar(m_bytes[i])))
                out += m_bytes[i];
        }
        out += "\r\n";
    }
    return out;
}

int TextLinesModel::firstRowStartingWith(const QString &prefix)
{
    prepareLookup();
    adoptFinishedIndex(false);
    const QString folded = prefix.toCaseFolded();
    if (m_index)
        return m_index->firstRow(m_bytes, m_starts, folded);
    return FoldedText::firstRowByScan(m_bytes, m_starts, folded);
}

void TextLinesModel::prepareLookup()
{
    if (m_index || m_pending)
        return;
    m_pending = std::make_shared<PendingIndex>();
    m_pendingStale = false;
    // The thread gets shared copies: the list may change meanwhile, and the
    // buffer is then copied rather than changed under the thread's feet.
    m_builder = std::thread([pending = m_pending, bytes = m_bytes, starts = m_starts] {
        pending->index = FoldedPrefixIndex::build(bytes, starts);
        pending->done.store(true, std::memory_order_release);
    });
}

void TextLinesModel::waitForLookup()
{
    prepareLookup();
    while (!m_index)
        adoptFinishedIndex(true);
}

void TextLinesModel::adoptFinishedIndex(bool wait)
{
    if (!m_pending || (!wait && !m_pending->done.load(std::memory_order_acquire)))
        return;
    m_builder.join();
    const std::shared_ptr<PendingIndex> finished = std::move(m_pending);
    if (!m_pendingStale)
        m_index = std::make_unique<FoldedPrefixIndex>(std::move(finished->index));
    else
        prepareLookup(); // sorted an older list: once more
}

void TextLinesModel::listChanged()
{
    if (m_pending)
        m_pendingStale = true;
}
