#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <vector>

/// Case-insensitive "first line, in list order, that begins with this
/// text" over lines kept as Windows-1252 bytes: line i is
/// bytes[starts[i], starts[i + 1]). Letters are compared case-folded, one
/// byte to one UTF-16 unit, which is how QString folds every character of
/// the code page.
namespace FoldedText {

/// The folded character of one byte of the code page.
char16_t fold(uchar byte);

/// The first line that begins with foldedPrefix (already case-folded), by
/// looking at every line in turn; -1 when none does. Needs no index, so it
/// answers at once on a list just loaded.
int firstRowByScan(const QByteArray &bytes, const QList<quint32> &starts, const QString &foldedPrefix);

} // namespace FoldedText

/// The lines sorted by their folded text, with a segment tree over their
/// row numbers: the lines with a given prefix form one run of the sorted
/// order, and the tree gives the smallest row of that run in logarithmic
/// time. It holds row numbers only, never a copy of the text.
class FoldedPrefixIndex
{
public:
    /// Sorts every line; takes a while on a long list, and touches nothing
    /// but its arguments, so it may run on another thread.
    static FoldedPrefixIndex build(const QByteArray &bytes, const QList<quint32> &starts);

    int firstRow(const QByteArray &bytes, const QList<quint32> &starts, const QString &foldedPrefix) const;

    /// The last line of starts was just added.
    void lineAppended(const QByteArray &bytes, const QList<quint32> &starts);
    /// Lines first..last were taken out of the list.
    void linesRemoved(int first, int last);

private:
    void buildTree();
    int smallestRow(size_t from, size_t to) const;

    std::vector<quint32> m_order; // rows, sorted by folded text, then row
    std::vector<quint32> m_tree;  // min-segment tree over m_order, leaves at [n, 2n)
};
