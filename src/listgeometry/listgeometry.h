#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// Geometry of the multi-column list control, in pixels. Plain functions of
// the column definition and a few measurements, so that the numbers can be
// checked without a screen; the widget only applies them.

/// One part of a column definition such as "Banca,170".
struct ColumnSpec
{
    QString caption;
    int width = 0; ///< pixels of visible text, without the column's scroll bar
};

/// Splits "caption,width|caption,width|..." into its columns. The width is
/// the number at the start of the text after the first "," (0 when there
/// is none, never negative); a part without "," is all caption, width 0.
QList<ColumnSpec> ParseColumnDefinition(const QString &definition);

/// Where one column's list and header cell sit on the back panel.
struct ColumnGeometry
{
    int listLeft = 0;
    int listWidth = 0;
    int headerLeft = 0;
    int headerWidth = 0;
};

/// Every list is its text width plus a scroll bar wide, and each one covers
/// the scroll bar of the one before it; only the last header cell reaches
/// over its column's scroll bar.
QList<ColumnGeometry> LayoutColumns(const QList<ColumnSpec> &columns, int scrollBarWidth);

/// Width of the panel that carries the columns: up to the last header's
/// right edge. 0 for no columns.
int BackPanelWidth(const QList<ColumnGeometry> &columns);

/// The lists tuck their top border under the header row and their bottom
/// border below the control's edge.
constexpr int ListTop(int headerHeight) { return headerHeight - 1; }
constexpr int FullListHeight(int headerHeight, int innerHeight) { return innerHeight - ListTop(headerHeight) + 1; }

/// The measurements the scroll bars depend on.
struct ListMetrics
{
    int scrollBarWidth = 0; ///< of a vertical bar; the horizontal one is as high
    int itemHeight = 0;
    int headerHeight = 0;
    QSize inner; ///< the control's client area
    int rowCount = 0;
};

struct ScrollBarGeometry
{
    bool visible = false;
    QRect rect;
    int maximum = 0;
    int pageStep = 0;
    int singleStep = 0;
};

/// The vertical extent of the column lists and the control's own bars.
struct ScrollLayout
{
    int listHeight = 0;
    int visibleRows = 0; ///< 0 unless the vertical bar is worked out
    ScrollBarGeometry horizontal;
    ScrollBarGeometry vertical;
};

/// The horizontal bar shows along the bottom when the back panel is wider
/// than the control; only then can the last column's own scroll bar be out
/// of sight, so only then does the control's vertical bar show, at the
/// right edge under the header, if the rows do not fit.
ScrollLayout LayoutScrollBars(int backPanelWidth, const ListMetrics &metrics);

/// Top-left corner of a header caption of the given size in a cell of the
/// given size: centred, one pixel up and to the left.
QPoint CaptionOrigin(QSize cell, QSize caption);

/// The cells of a TAB-joined row, cut or padded with empty cells to exactly
/// columnCount cells.
QStringList RowCells(const QString &row, int columnCount);
