// How the control keeps its columns together: built from the definition,
// laid side by side on the back panel, scrolled as one, and with full-row
// selection selecting the same row in each.

#include "uclinkedlist.h"

#include "columnlist.h"
#include "headercell.h"

#include <QEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>

void ucLinkedList::resizeEvent(QResizeEvent *)
{
    ArrangeColumns();
    UpdateScrollBars();
}

bool ucLinkedList::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (int c = 0; c < m_columnCount; ++c) {
            if (m_lists[c]->viewport() == watched) {
                // Only the first column takes the focus: a click elsewhere
                // gives it the keys.
                if (c > 0)
                    m_lists[0]->setFocus(Qt::MouseFocusReason);
                SyncSelection(c);
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ucLinkedList::RebuildColumns()
{
    BuildColumns();
    ArrangeColumns();
    UpdateScrollBars();
}

void ucLinkedList::BuildColumns()
{
    QScopedValueRollback busy(m_busy, true);
    freeze();
    // A host may change the columns from an ItemClick that a column raised
    // while still inside its own mouse handler: let the event loop delete
    // them, and hear nothing more from them meanwhile.
    for (size_t i = 1; i < m_lists.size(); ++i) {
        m_lists[i]->hide();
        m_lists[i]->disconnect(this);
        m_lists[i]->verticalScrollBar()->disconnect(this);
        m_lists[i]->viewport()->removeEventFilter(this);
        // Out of the control at once, so that no screen reader finds them
        // while they wait.
        m_lists[i]->setParent(nullptr);
        m_lists[i]->deleteLater();
        m_headers[i]->hide();
        m_headers[i]->setParent(nullptr);
        m_headers[i]->deleteLater();
    }
    m_lists.resize(1);
    m_headers.resize(1);
    m_lists[0]->clear();
    m_headers[0]->clearCell();

    const QList<ColumnSpec> columns = ParseColumnDefinition(m_definition);
    m_columnCount = int(columns.size());
    m_textWidths.clear();
    if (m_columnCount < 2) {
        // One column is not a multi-column list: column 0 stays as it was.
        m_columnCount = 1;
        m_geometry.resize(1);
        release();
        return;
    }
    m_geometry = LayoutColumns(columns, m_scrollBarWidth);
    for (const ColumnSpec &column : columns)
        m_textWidths << column.width;
    for (int i = 0; i < m_columnCount; ++i) {
        if (i > 0) {
            m_lists.push_back(newColumnList(i));
            m_headers.push_back(new HeaderCell(m_back));
            m_lists[i]->show();
            m_headers[i]->show();
        }
        m_headers[i]->setCaption(columns[i].caption);
        m_headers[i]->setAccessibleName(columns[i].caption.trimmed());
        const QString caption = columns[i].caption.trimmed();
        m_lists[i]->setAccessibleName(caption.isEmpty() ? QStringLiteral("Colonna %1").arg(i + 1) : caption);
        // Each column lies over the one before it and hides its scroll bar.
        m_lists[i]->raise();
        m_headers[i]->raise();
    }
    release();
}

void ucLinkedList::ArrangeColumns()
{
    const int listHeight = FullListHeight(HeaderHeight, height());
    for (int i = 0; i < m_columnCount; ++i) {
        const ColumnGeometry &g = m_geometry[i];
        m_headers[i]->setGeometry(g.headerLeft, 0, g.headerWidth, HeaderHeight);
        m_headers[i]->drawCell(false);
        m_lists[i]->setGeometry(g.listLeft, ListTop(HeaderHeight), g.listWidth, listHeight);
    }
    m_back->setGeometry(0, 0, BackPanelWidth(m_geometry), height());
}

void ucLinkedList::UpdateScrollBars()
{
    const ScrollLayout s = LayoutScrollBars(BackPanelWidth(m_geometry), metrics());
    const ScrollBarGeometry &h = s.horizontal;
    m_hsb->setValue(0);
    for (int i = 0; i < m_columnCount; ++i)
        m_lists[i]->resize(m_lists[i]->width(), s.listHeight);
    if (!h.visible) {
        m_hsb->hide();
        m_vsb->hide();
        return;
    }
    m_hsb->setGeometry(h.rect);
    m_hsb->setRange(0, h.maximum);
    m_hsb->setPageStep(h.pageStep);
    m_hsb->setSingleStep(h.singleStep);
    m_hsb->raise();
    m_hsb->show();

    const ScrollBarGeometry &v = s.vertical;
    m_vsb->setValue(0);
    m_vsb->setGeometry(v.rect);
    if (!v.visible) {
        m_vsb->hide();
        return;
    }
    m_vsb->setRange(0, v.maximum);
    m_vsb->setPageStep(v.pageStep);
    m_vsb->setSingleStep(v.singleStep);
    m_vsb->raise();
    m_vsb->show();
}

void ucLinkedList::SyncSelection(int column)
{
    if (m_busy)
        return;
    {
        QScopedValueRollback busy(m_busy, true);
        freeze();
        const int row = m_lists[column]->selectedIndex();
        for (int i = 0; i < m_columnCount; ++i) {
            if (i == column)
                continue;
            if (m_fullRow) {
                if (m_lists[i]->selectedIndex() != row)
                    m_lists[i]->setSelectedIndex(row);
            } else if (m_lists[i]->selectedIndex() >= 0) {
                m_lists[i]->setSelectedIndex(-1);
            }
        }
        release();
    }
    SyncScroll(column);
}

void ucLinkedList::SyncScroll(int column)
{
    if (m_busy || column >= m_columnCount)
        return;
    QScopedValueRollback busy(m_busy, true);
    const int top = m_lists[column]->topIndex();
    for (int i = 0; i < m_columnCount; ++i) {
        if (i != column)
            m_lists[i]->setTopIndex(top);
    }
    if (!m_vsb->isHidden())
        m_vsb->setValue(top);
}

void ucLinkedList::columnSelectionChanged(int column)
{
    if (m_busy || m_writingIndex || column >= m_columnCount)
        return;
    SyncSelection(column);
    const ColumnList *list = m_lists[column];
    emit ItemClick(list->selectedIndex(), column, list->selectedText());
}

void ucLinkedList::columnDoubleClicked(int column)
{
    const ColumnList *list = m_lists[column];
    emit ItemDblClick(list->selectedIndex(), column, list->selectedText());
}

void ucLinkedList::verticalBarMoved(int value)
{
    freeze();
    if (ListCount() > 0) {
        m_lists[m_columnCount - 1]->setTopIndex(value);
    }
    release();
}

QString ucLinkedList::ShownText(const QString &cell, const QFontMetrics &metrics, int width)
{
    // The longest start of the text that fits.
    qsizetype fits = 0;
    for (qsizetype low = 0, high = cell.size(); low <= high;) {
        const qsizetype middle = (low + high) / 2;
        if (metrics.horizontalAdvance(cell.left(middle)) <= width) {
            fits = middle;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return cell.left(fits).trimmed();
}

ListMetrics ucLinkedList::metrics() const
{
    return {m_scrollBarWidth, m_itemHeight, HeaderHeight, size(), ListCount()};
}

void ucLinkedList::freeze()
{
    if (m_freezeDepth++ == 0)
        setUpdatesEnabled(false);
}

void ucLinkedList::release()
{
    if (m_freezeDepth > 0 && --m_freezeDepth == 0)
        setUpdatesEnabled(true);
}
