#include "foldedprefixindex.h"

#include "textfile.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace {

std::array<char16_t, 256> makeFolds()
{
    std::array<char16_t, 256> folds{};
    for (int b = 0; b < 256; ++b)
        folds[size_t(b)] = TextFile::decode(QByteArray(1, char(b))).at(0).toCaseFolded().unicode();
    return folds;
}

const std::array<char16_t, 256> &folds()
{
    static const std::array<char16_t, 256> table = makeFolds();
    return table;
}

struct Line
{
    const uchar *begin;
    const uchar *end;
};

Line lineAt(const QByteArray &bytes, const QList<quint32> &starts, quint32 row)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    return {data + starts[row], data + starts[row + 1]};
}

// Negative, zero or positive as the folded line sorts before, with, or
// after the folded prefix, looking no further than the prefix's length.
int comparePrefix(Line line, const QString &prefix)
{
    const auto &table = folds();
    const char16_t *p = reinterpret_cast<const char16_t *>(prefix.constData());
    const char16_t *pEnd = p + prefix.size();
    for (const uchar *c = line.begin; p != pEnd; ++c, ++p) {
        if (c == line.end)
            return -1;
        const char16_t f = table[*c];
        if (f != *p)
            return f < *p ? -1 : 1;
    }
    return 0;
}

bool foldedLess(Line a, Line b)
{
    const auto &table = folds();
    for (; a.begin != a.end && b.begin != b.end; ++a.begin, ++b.begin) {
        const char16_t fa = table[*a.begin];
        const char16_t fb = table[*b.begin];
        if (fa != fb)
            return fa < fb;
    }
    return a.begin == a.end && b.begin != b.end;
}

} // namespace

namespace FoldedText {

char16_t fold(uchar byte)
{
    return folds()[byte];
}

int firstRowByScan(const QByteArray &bytes, const QList<quint32> &starts, const QString &foldedPrefix)
{
    const int rows = int(starts.size()) - 1;
    if (foldedPrefix.isEmpty())
        return rows > 0 ? 0 : -1;
    const auto &table = folds();
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const char16_t first = foldedPrefix.front().unicode();
    for (int row = 0; row < rows; ++row) {
        const quint32 start = starts[row];
        // Nearly every line fails on its first letter: that test comes first.
        if (start == starts[row + 1] || table[data[start]] != first)
            continue;
        if (comparePrefix({data + start, data + starts[row + 1]}, foldedPrefix) == 0)
            return row;
    }
    return -1;
}

} // namespace FoldedText

FoldedPrefixIndex FoldedPrefixIndex::build(const QByteArray &bytes, const QList<quint32> &starts)
{
    FoldedPrefixIndex index;
    index.m_order.resize(size_t(std::max<qsizetype>(starts.size() - 1, 0)));
    std::iota(index.m_order.begin(), index.m_order.end(), 0u);
    // A stable sort keeps equal lines in row order, which is the tie-break.
    std::stable_sort(index.m_order.begin(), index.m_order.end(), [&](quint32 a, quint32 b) {
        return foldedLess(lineAt(bytes, starts, a), lineAt(bytes, starts, b));
    });
    index.buildTree();
    return index;
}

int FoldedPrefixIndex::firstRow(const QByteArray &bytes, const QList<quint32> &starts,
                                const QString &foldedPrefix) const
{
    const auto begin = std::partition_point(m_order.cbegin(), m_order.cend(), [&](quint32 row) {
        return comparePrefix(lineAt(bytes, starts, row), foldedPrefix) < 0;
    });
    const auto end = std::partition_point(begin, m_order.cend(), [&](quint32 row) {
        return comparePrefix(lineAt(bytes, starts, row), foldedPrefix) == 0;
    });
    return smallestRow(size_t(begin - m_order.cbegin()), size_t(end - m_order.cbegin()));
}

// Patching costs linear time; sorting afresh would stall the next key.
void FoldedPrefixIndex::lineAppended(const QByteArray &bytes, const QList<quint32> &starts)
{
    const auto row = quint32(starts.size() - 2);
    const Line added = lineAt(bytes, starts, row);
    // The new row is the largest, so it goes after every equal line.
    const auto at = std::partition_point(m_order.begin(), m_order.end(), [&](quint32 other) {
        return !foldedLess(added, lineAt(bytes, starts, other));
    });
    m_order.insert(at, row);
    buildTree();
}

void FoldedPrefixIndex::linesRemoved(int first, int last)
{
    const auto removed = quint32(last - first + 1);
    m_order.erase(std::remove_if(m_order.begin(), m_order.end(),
                                 [=](quint32 row) { return row >= quint32(first) && row <= quint32(last); }),
                  m_order.end());
    for (quint32 &row : m_order) {
        if (row > quint32(last))
            row -= removed;
    }
    buildTree();
}

void FoldedPrefixIndex::buildTree()
{
    const size_t n = m_order.size();
    m_tree.assign(2 * n, 0);
    std::copy(m_order.cbegin(), m_order.cend(), m_tree.begin() + ptrdiff_t(n));
    for (size_t i = n - 1; i > 0 && i < n; --i)
        m_tree[i] = std::min(m_tree[2 * i], m_tree[2 * i + 1]);
}

// Smallest row among sorted positions [from, to), or -1 when empty.
int FoldedPrefixIndex::smallestRow(size_t from, size_t to) const
{
    const size_t n = m_order.size();
    quint32 smallest = quint32(-1);
    for (size_t lo = from + n, hi = to + n; lo < hi; lo /= 2, hi /= 2) {
        if (lo & 1)
            smallest = std::min(smallest, m_tree[lo++]);
        if (hi & 1)
            smallest = std::min(smallest, m_tree[--hi]);
    }
    return smallest == quint32(-1) ? -1 : int(smallest);
}
