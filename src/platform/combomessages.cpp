#include "combomessages.h"

#include "textlinesmodel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QPointer>

#include <algorithm>
#include <vector>

namespace {

// A sorted, case-folded copy of a combo box's list, answering "the first
// row, in list order, whose text begins with this prefix" in logarithmic
// time. The rows with a given prefix form one run of the sorted copy; a
// segment tree over the rows gives the smallest row of that run.
// It lives on the combo box as a child and is rebuilt lazily after any
// change of the list, so it never answers from a stale list.
class PrefixIndex : public QObject
{
    Q_OBJECT

public:
    explicit PrefixIndex(QComboBox &combo)
        : QObject(&combo)
        , m_combo(combo)
    {
    }

    static PrefixIndex &of(QComboBox &combo)
    {
        auto *index = combo.findChild<PrefixIndex *>(QString(), Qt::FindDirectChildrenOnly);
        return index ? *index : *new PrefixIndex(combo);
    }

    void prepare()
    {
        if (!isCurrent())
            rebuild();
    }

    int firstRow(const QString &prefix)
    {
        prepare();
        const QString key = prefix.toCaseFolded();
        const auto begin = std::lower_bound(m_entries.cbegin(), m_entries.cend(), key,
                                            [](const Entry &e, const QString &k) { return e.key < k; });
        const auto end = std::partition_point(begin, m_entries.cend(),
                                              [&key](const Entry &e) { return e.key.startsWith(key); });
        return smallestRow(begin - m_entries.cbegin(), end - m_entries.cbegin());
    }

private:
    struct Entry
    {
        QString key;
        int row;
    };

    // The combo box may have been given another model, column or root since
    // the last build, which sends no signal we could have listened to.
    bool isCurrent() const
    {
        return m_built && m_model == m_combo.model() && m_column == m_combo.modelColumn()
            && m_root == m_combo.rootModelIndex();
    }

    void rebuild()
    {
        QAbstractItemModel *model = m_combo.model();
        if (m_model != model) {
            if (m_model)
                m_model->disconnect(this);
            m_model = model;
            listenTo(model);
        }
        m_column = m_combo.modelColumn();
        m_root = m_combo.rootModelIndex();

        const int count = m_combo.count();
        m_entries.clear();
        m_entries.reserve(count);
        for (int row = 0; row < count; ++row)
            m_entries.push_back({m_combo.itemText(row).toCaseFolded(), row});
        std::sort(m_entries.begin(), m_entries.end(), before);
        buildTree();
        m_built = true;
    }

    static bool before(const Entry &a, const Entry &b)
    {
        const int order = a.key.compare(b.key);
        return order < 0 || (order == 0 && a.row < b.row);
    }

    void buildTree()
    {
        m_tree.assign(2 * m_entries.size(), 0);
        for (size_t i = 0; i < m_entries.size(); ++i)
            m_tree[m_entries.size() + i] = m_entries[i].row;
        for (size_t i = m_entries.size() - 1; i > 0 && i < m_entries.size(); --i)
            m_tree[i] = std::min(m_tree[2 * i], m_tree[2 * i + 1]);
    }

    void listenTo(QAbstractItemModel *model)
    {
        const auto stale = [this] { m_built = false; };
        connect(model, &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex &parent, int first, int last) { rowsInserted(parent, first, last); });
        connect(model, &QAbstractItemModel::rowsRemoved, this,
                [this](const QModelIndex &parent, int first, int last) { rowsRemoved(parent, first, last); });
        connect(model, &QAbstractItemModel::rowsMoved, this, stale);
        connect(model, &QAbstractItemModel::columnsInserted, this, stale);
        connect(model, &QAbstractItemModel::columnsRemoved, this, stale);
        connect(model, &QAbstractItemModel::columnsMoved, this, stale);
        connect(model, &QAbstractItemModel::modelReset, this, stale);
        connect(model, &QAbstractItemModel::layoutChanged, this, stale);
        connect(model, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex &, const QModelIndex &, const QList<int> &roles) {
                    if (roles.isEmpty() || roles.contains(Qt::DisplayRole) || roles.contains(Qt::EditRole))
                        m_built = false;
                });
    }

    // A name added or deleted is patched into the sorted copy in linear
    // time; sorting a long list afresh would stall the next key press.
    void rowsInserted(const QModelIndex &parent, int first, int last)
    {
        if (!isCurrent() || parent != m_root) {
            m_built = false;
            return;
        }
        const int added = last - first + 1;
        for (Entry &e : m_entries) {
            if (e.row >= first)
                e.row += added;
        }
        for (int row = first; row <= last; ++row) {
            Entry entry{m_combo.itemText(row).toCaseFolded(), row};
            m_entries.insert(std::upper_bound(m_entries.begin(), m_entries.end(), entry, before), entry);
        }
        buildTree();
    }

    void rowsRemoved(const QModelIndex &parent, int first, int last)
    {
        if (!isCurrent() || parent != m_root) {
            m_built = false;
            return;
        }
        const int removed = last - first + 1;
        m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                       [=](const Entry &e) { return e.row >= first && e.row <= last; }),
                        m_entries.end());
        for (Entry &e : m_entries) {
            if (e.row > last)
                e.row -= removed;
        }
        buildTree();
    }

    // Smallest row among sorted positions [from, to), or -1 when empty.
    int smallestRow(ptrdiff_t from, ptrdiff_t to) const
    {
        int smallest = -1;
        const size_t n = m_entries.size();
        for (size_t lo = size_t(from) + n, hi = size_t(to) + n; lo < hi; lo /= 2, hi /= 2) {
            if (lo & 1) {
                smallest = smallest < 0 ? m_tree[lo] : std::min(smallest, m_tree[lo]);
                ++lo;
            }
            if (hi & 1) {
                --hi;
                smallest = smallest < 0 ? m_tree[hi] : std::min(smallest, m_tree[hi]);
            }
        }
        return smallest;
    }

    QComboBox &m_combo;
    QPointer<QAbstractItemModel> m_model;
    int m_column = 0;
    QPersistentModelIndex m_root;
    bool m_built = false;
    std::vector<Entry> m_entries; // sorted by key, then row
    std::vector<int> m_tree;      // min-segment tree over m_entries' rows, leaves at [n, 2n)
};

void showRow(QComboBox &combo, int row);

// Qt gives the keyboard to an open drop-down list, so without this the
// key after the first completion would go to the list instead of the
// combo box and its auto-completion. The typing keys are sent on to the
// combo box, as they are when the list is closed; the list keeps only the
// keys that move in it, and the row they move to becomes the field's text,
// so that Enter accepts the row the user sees highlighted.
class DropDownKeyForwarder : public QObject
{
    Q_OBJECT

public:
    explicit DropDownKeyForwarder(QComboBox &combo)
        : QObject(&combo)
        , m_combo(combo)
    {
    }

    static void ensureOn(QComboBox &combo)
    {
        QAbstractItemView *view = combo.view();
        auto *forwarder = combo.findChild<DropDownKeyForwarder *>(QString(), Qt::FindDirectChildrenOnly);
        if (!forwarder)
            forwarder = new DropDownKeyForwarder(combo);
        if (forwarder->m_view == view)
            return;
        if (forwarder->m_view)
            forwarder->m_view->removeEventFilter(forwarder);
        forwarder->m_view = view;
        view->installEventFilter(forwarder);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_view || !m_combo.isEditable() || m_moving)
            return false;
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (movesInList(*key)) {
            if (event->type() == QEvent::KeyPress) {
                m_moving = true;
                QCoreApplication::sendEvent(m_view, event);
                m_moving = false;
                if (const QModelIndex current = m_view->currentIndex(); current.isValid())
                    showRow(m_combo, current.row());
                if (QLineEdit *edit = m_combo.lineEdit())
                    edit->end(false);
                return true;
            }
            return false;
        }
        // F4 and Alt+arrow close the list as they always do.
        if (key->key() == Qt::Key_F4 || key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)
            return false;
        if (event->type() == QEvent::ShortcutOverride) {
            // Claim the key, so that the list does not take Enter as a choice
            // of its highlighted item before the key press arrives.
            event->accept();
            return true;
        }
        // Escape and the focus keys close the list and then do in the field
        // what they do with the list closed.
        if (key->key() == Qt::Key_Escape || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            m_combo.hidePopup();
        QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers(), key->text(),
                       key->isAutoRepeat(), ushort(key->count()));
        QCoreApplication::sendEvent(&m_combo, &copy);
        return true;
    }

private:
    static bool movesInList(const QKeyEvent &key)
    {
        if (key.modifiers() & Qt::AltModifier)
            return false;
        switch (key.key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return true;
        default:
            return false;
        }
    }

    QComboBox &m_combo;
    QPointer<QAbstractItemView> m_view;
    bool m_moving = false;
};

bool isDropDownOpen(const QComboBox &combo)
{
    return combo.view() && combo.view()->isVisible();
}

} // namespace

void showDropDown(QComboBox &combo)
{
    DropDownKeyForwarder::ensureOn(combo);
    // Opening it again would lay the list out anew on every key.
    if (!isDropDownOpen(combo))
        combo.showPopup();
}

void hideDropDown(QComboBox &combo)
{
    if (isDropDownOpen(combo))
        combo.hidePopup();
}

namespace {

// A list of lines keeps its own lookup, which needs no copy of the names.
TextLinesModel *linesOf(QComboBox &combo)
{
    auto *lines = qobject_cast<TextLinesModel *>(combo.model());
    return lines && combo.modelColumn() == 0 && !combo.rootModelIndex().isValid() ? lines : nullptr;
}

} // namespace

void prepareSelectString(QComboBox &combo)
{
    if (TextLinesModel *lines = linesOf(combo))
        lines->prepareLookup();
    else
        PrefixIndex::of(combo).prepare();
}

int selectString(QComboBox &combo, const QString &prefix)
{
    TextLinesModel *lines = linesOf(combo);
    const int row = lines ? lines->firstRowStartingWith(prefix) : PrefixIndex::of(combo).firstRow(prefix);
    if (row >= 0)
        showRow(combo, row);
    return row;
}

namespace {

void showRow(QComboBox &combo, int row)
{
    combo.setCurrentIndex(row);
    // Qt fills the edit field only as a side effect of setCurrentIndex; the
    // field may hold typed text over the very row that is already current.
    const QString itemText = combo.itemText(row);
    if (QLineEdit *edit = combo.lineEdit(); edit && edit->text() != itemText)
        edit->setText(itemText);
    if (isDropDownOpen(combo))
        combo.view()->setCurrentIndex(combo.model()->index(row, combo.modelColumn(), combo.rootModelIndex()));
}

} // namespace

#include "combomessages.moc"
