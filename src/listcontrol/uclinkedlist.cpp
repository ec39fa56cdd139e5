#include "uclinkedlist.h"

#include "columnlist.h"
#include "headercell.h"

#include <QEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>

const QString ucLinkedList::DefaultListProperties = QStringLiteral(" ,100| ,120");
const QString ucLinkedList::NewListProperties = QStringLiteral("Header 1,100|Header 2,120");


ucLinkedList::ucLinkedList(QWidget *parent)
    : QWidget(parent)
{
    m_back = new QWidget(this);
    m_lists.push_back(newColumnList(0));
    m_headers.push_back(new HeaderCell(m_back));
    m_headers[0]->setGeometry(0, 0, 100, HeaderHeight);

    m_hsb = new QScrollBar(Qt::Horizontal, this);
    m_vsb = new QScrollBar(Qt::Vertical, this);
    for (QScrollBar *bar : {m_hsb, m_vsb}) {
        // The bars never take the focus from the lists.
        bar->setFocusPolicy(Qt::NoFocus);
        bar->hide();
    }
    connect(m_hsb, &QScrollBar::valueChanged, this, [this](int value) { m_back->move(-value, 0); });
    connect(m_vsb, &QScrollBar::valueChanged, this, &ucLinkedList::verticalBarMoved);

    m_itemHeight = m_lists[0]->rowHeight();
    m_scrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    m_geometry = LayoutColumns({{QString(), 100}}, m_scrollBarWidth);
    m_lists[0]->setGeometry(m_geometry[0].listLeft, HeaderHeight, m_geometry[0].listWidth, 100);

    setListProperties(NewListProperties);
}

ucLinkedList::~ucLinkedList()
{
    // The lists report their own removal: let them go while this object is
    // still whole, and deaf to them.
    m_busy = true;
    delete m_back;
}

ColumnList *ucLinkedList::newColumnList(int column)
{
    auto *list = new ColumnList(m_back);
    list->viewport()->installEventFilter(this);
    connect(list, &QListWidget::itemSelectionChanged, this, [this, column] { columnSelectionChanged(column); });
    connect(list, &QListWidget::itemDoubleClicked, this, [this, column] { columnDoubleClicked(column); });
    connect(list->verticalScrollBar(), &QScrollBar::valueChanged, this, [this, column] { SyncScroll(column); });
    return list;
}

ColumnList *ucLinkedList::lstList(int index) const
{
    return index >= 0 && index < int(m_lists.size()) ? m_lists[index] : nullptr;
}

HeaderCell *ucLinkedList::picHeader(int index) const
{
    return index >= 0 && index < int(m_headers.size()) ? m_headers[index] : nullptr;
}

void ucLinkedList::AddItem(const QString &strNewItems)
{
    const QStringList cells = RowCells(strNewItems, m_columnCount);
    for (int c = 0; c < m_columnCount; ++c)
        m_lists[c]->addItem(cells[c]);
    UpdateScrollBars();
}

void ucLinkedList::RemoveItem(int Index)
{
    if (Index < 0 || Index >= ListCount())
        return;
    {
        // Losing the selected row is not a click of the user's.
        QScopedValueRollback busy(m_busy, true);
        freeze();
        for (int c = 0; c < m_columnCount; ++c)
            delete m_lists[c]->takeItem(Index);
        release();
    }
    UpdateScrollBars();
}

void ucLinkedList::ClearList()
{
    {
        QScopedValueRollback busy(m_busy, true);
        for (int c = 0; c < m_columnCount; ++c)
            m_lists[c]->clear();
    }
    UpdateScrollBars();
}

void ucLinkedList::Refresh()
{
    repaint();
}

void ucLinkedList::setFullRowSelect(bool fullRow)
{
    m_fullRow = fullRow;
    emit FullRowSelectChanged();
}

int ucLinkedList::ListIndex() const
{
    return m_lists[0]->selectedIndex();
}

void ucLinkedList::setListIndex(int index)
{
    if (index < -1 || index >= ListCount())
        return;
    {
        // The write itself is the one click; the list's own report of it
        // would be a second.
        QScopedValueRollback writing(m_writingIndex, true);
        m_lists[0]->setSelectedIndex(index);
    }
    columnSelectionChanged(0);
}

QString ucLinkedList::List(int Index, int Column) const
{
    if (Index < 0)
        return QString();
    const auto cell = [&](int c) {
        const QListWidgetItem *item = m_lists[c]->item(Index);
        return item ? item->text() : QString();
    };
    if (Column >= 0 && Column < m_columnCount)
        return cell(Column) + QLatin1Char('\t');
    QStringList cells;
    for (int c = 0; c < m_columnCount; ++c)
        cells << cell(c);
    return cells.join(QLatin1Char('\t'));
}

QString ucLinkedList::Text() const
{
    for (int c = 0; c < m_columnCount; ++c) {
        const int row = m_lists[c]->selectedIndex();
        if (row >= 0)
            return List(row);
    }
    return QString();
}

int ucLinkedList::ListCount() const
{
    return m_lists[0]->count();
}

void ucLinkedList::setResetList(bool reset)
{
    if (reset)
        RebuildColumns();
}

void ucLinkedList::setLockUpdate(bool lock)
{
    if (lock == m_userLock)
        return;
    m_userLock = lock;
    if (lock)
        freeze();
    else
        release();
}

void ucLinkedList::setListProperties(const QString &strNewListProperties)
{
    if (strNewListProperties.isEmpty())
        return;
    m_definition = strNewListProperties;
    RebuildColumns();
    emit ListPropertiesChanged();
}

void ucLinkedList::ReadProperties(const QVariantMap &bag)
{
    setListProperties(bag.value(QStringLiteral("ListProperties"), DefaultListProperties).toString());
    setFullRowSelect(bag.value(QStringLiteral("FullRowSelect"), true).toBool());
}

QVariantMap ucLinkedList::WriteProperties() const
{
    return {{QStringLiteral("ListProperties"), m_definition}, {QStringLiteral("FullRowSelect"), m_fullRow}};
}

QSize ucLinkedList::sizeHint() const
{
    return {BackPanelWidth(m_geometry), HeaderHeight + 8 * m_itemHeight};
}

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
        m_lists[i]->deleteLater();
        m_headers[i]->hide();
        m_headers[i]->deleteLater();
    }
    m_lists.resize(1);
    m_headers.resize(1);
    m_lists[0]->clear();
    m_headers[0]->clearCell();

    const QList<ColumnSpec> columns = ParseColumnDefinition(m_definition);
    m_columnCount = int(columns.size());
    if (m_columnCount < 2) {
        // One column is not a multi-column list: column 0 stays as it was.
        m_columnCount = 1;
        m_geometry.resize(1);
        release();
        return;
    }
    m_geometry = LayoutColumns(columns, m_scrollBarWidth);
    for (int i = 0; i < m_columnCount; ++i) {
        if (i > 0) {
            m_lists.push_back(newColumnList(i));
            m_headers.push_back(new HeaderCell(m_back));
            m_lists[i]->show();
            m_headers[i]->show();
        }
        m_headers[i]->setCaption(columns[i].caption);
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
