#include "combomessages.h"

#include "textlinesmodel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

namespace {

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
}

int selectString(QComboBox &combo, const QString &prefix)
{
    TextLinesModel *lines = linesOf(combo);
    // A short list of any other kind is simply read through.
    const int row = lines ? lines->firstRowStartingWith(prefix) : combo.findText(prefix, Qt::MatchStartsWith);
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
