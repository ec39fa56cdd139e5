#include "columnlist.h"

#include <QScrollBar>

ColumnList::ColumnList(QWidget *parent)
    : QListWidget(parent)
{
    setFont(QFont(QStringLiteral("Arial"), 9));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    // The right end of every column but the last lies under the next one:
    // an ellipsis there would be hidden, so the text is cut as it stands.
    setTextElideMode(Qt::ElideNone);
    verticalScrollBar()->setAccessibleName(QStringLiteral("Scorrimento verticale"));
    horizontalScrollBar()->setAccessibleName(QStringLiteral("Scorrimento orizzontale"));
}

int ColumnList::selectedIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ColumnList::setSelectedIndex(int row)
{
    if (row < 0 || row >= count()) {
        clearSelection();
        setCurrentRow(-1);
    } else {
        setCurrentRow(row);
    }
}

QString ColumnList::selectedText() const
{
    const int row = selectedIndex();
    return row < 0 ? QString() : item(row)->text();
}

int ColumnList::topIndex() const
{
    return verticalScrollBar()->value();
}

void ColumnList::setTopIndex(int row)
{
    verticalScrollBar()->setValue(row);
}

int ColumnList::rowHeight()
{
    if (count() > 0)
        return sizeHintForRow(0);
    addItem(QStringLiteral("Xg"));
    const int height = sizeHintForRow(0);
    delete takeItem(0);
    return height;
}
