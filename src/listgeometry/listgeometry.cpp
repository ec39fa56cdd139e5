#include "listgeometry.h"

#include <algorithm>

namespace {

// Widths beyond this are typing mistakes; keeping them small keeps every
// sum below well inside an int.
constexpr int LargestWidth = 32767;

int leadingNumber(const QString &text)
{
    int i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        negative = text[i++] == QLatin1Char('-');
    int value = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i)
        value = std::min(LargestWidth, value * 10 + (text[i].unicode() - u'0'));
    // A negative width would give lists of negative size.
    return negative ? 0 : value;
}

} // namespace

QList<ColumnSpec> ParseColumnDefinition(const QString &definition)
{
    QList<ColumnSpec> columns;
    const QStringList parts = definition.split(QLatin1Char('|'));
    for (const QString &part : parts) {
        const qsizetype comma = part.indexOf(QLatin1Char(','));
        if (comma < 0) {
            columns.append({part, 0});
            continue;
        }
        const qsizetype nextComma = part.indexOf(QLatin1Char(','), comma + 1);
        columns.append({part.left(comma), leadingNumber(part.mid(comma + 1, nextComma < 0 ? -1 : nextComma - comma - 1))});
    }
    return columns;
}

QList<ColumnGeometry> LayoutColumns(const QList<ColumnSpec> &columns, int scrollBarWidth)
{
    QList<ColumnGeometry> result;
    result.reserve(columns.size());
    for (qsizetype i = 0; i < columns.size(); ++i) {
        ColumnGeometry g;
        g.listWidth = columns[i].width + scrollBarWidth;
        const bool last = i == columns.size() - 1;
        g.headerWidth = last ? g.listWidth - 3 : g.listWidth - 1 - scrollBarWidth;
        if (i == 0) {
            // The list's left border hides past the panel's edge.
            g.listLeft = -1;
        } else {
            const ColumnGeometry &before = result.last();
            g.listLeft = before.listLeft + before.listWidth - scrollBarWidth - 1;
        }
        g.headerLeft = g.listLeft + 1;
        result.append(g);
    }
    return result;
}

int BackPanelWidth(const QList<ColumnGeometry> &columns)
{
    return columns.isEmpty() ? 0 : columns.last().headerLeft + columns.last().headerWidth;
}

ScrollLayout LayoutScrollBars(int backPanelWidth, const ListMetrics &m)
{
    ScrollLayout s;
    const int innerWidth = m.inner.width();
    const int innerHeight = m.inner.height();
    const int barHeight = m.scrollBarWidth;

    s.listHeight = FullListHeight(m.headerHeight, innerHeight);

    ScrollBarGeometry &h = s.horizontal;
    h.maximum = backPanelWidth - innerWidth;
    if (h.maximum < 0) {
        h.maximum = 0;
        return s;
    }
    h.visible = true;
    h.rect = QRect(0, innerHeight - barHeight, innerWidth, barHeight);
    h.pageStep = innerWidth;
    h.singleStep = innerWidth / 5;
    if (innerHeight - (ListTop(m.headerHeight) + s.listHeight) < barHeight)
        s.listHeight = s.listHeight - barHeight + 5;

    ScrollBarGeometry &v = s.vertical;
    v.rect = QRect(innerWidth - m.scrollBarWidth, m.headerHeight, m.scrollBarWidth,
                   innerHeight - m.scrollBarWidth - m.headerHeight);
    s.visibleRows = m.itemHeight > 0 ? s.listHeight / m.itemHeight : 0;
    v.maximum = m.rowCount - s.visibleRows;
    if (v.maximum < 0) {
        v.maximum = 0;
        return s;
    }
    v.visible = true;
    v.pageStep = s.visibleRows;
    // One arrow click moves as many rows as a row is high in pixels, as the
    // control has always done.
    v.singleStep = m.itemHeight;
    return s;
}

QPoint CaptionOrigin(QSize cell, QSize caption)
{
    return {cell.width() / 2 - caption.width() / 2 - 1, cell.height() / 2 - caption.height() / 2 - 1};
}

QStringList RowCells(const QString &row, int columnCount)
{
    QStringList cells;
    if (!row.isEmpty())
        cells = row.split(QLatin1Char('\t'));
    if (columnCount < 0)
        columnCount = 0;
    if (cells.size() > columnCount)
        cells.resize(columnCount);
    while (cells.size() < columnCount)
        cells.append(QString());
    return cells;
}
