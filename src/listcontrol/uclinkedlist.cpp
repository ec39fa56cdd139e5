#include "uclinkedlist.h"

#include "columnlist.h"
#include "headercell.h"

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
    m_hsb->setAccessibleName(QStringLiteral("Scorrimento orizzontale"));
    m_vsb->setAccessibleName(QStringLiteral("Scorrimento verticale"));
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
    // The control is one Tab stop: the first column takes the keys, and
    // the others follow its selection.
    if (column > 0)
        list->setFocusPolicy(Qt::NoFocus);
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
    QStringList shown;
    for (int c = 0; c < m_columnCount; ++c) {
        auto item = new QListWidgetItem(cells[c]);
        // Read as drawn: a cell's text may run on, blanks and all, under
        // the next column.
        shown << ShownText(cells[c], m_lists[c]->fontMetrics(), m_textWidths.value(c, m_lists[c]->width()));
        item->setData(Qt::AccessibleTextRole, shown.last());
        m_lists[c]->addItem(item);
    }
    // The first column is the one the keyboard is in: it reads the row.
    if (m_columnCount > 1) {
        shown.removeAll(QString());
        m_lists[0]->item(m_lists[0]->count() - 1)->setData(Qt::AccessibleTextRole, shown.join(QStringLiteral(", ")));
    }
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
