#include "autocompletekeyfilter.h"

#include "autocompletecombobox.h"

#include <QComboBox>
#include <QKeyEvent>

AutoCompleteKeyFilter::AutoCompleteKeyFilter(QComboBox &combo)
    : QObject(&combo)
    , m_combo(combo)
{
    combo.installEventFilter(this);
}

int AutoCompleteKeyFilter::characterCode(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool control = modifiers & Qt::ControlModifier;
    const bool alt = modifiers & Qt::AltModifier;
    // Alt+key is a mnemonic, not typing; AltGr arrives as Ctrl+Alt on some
    // systems and does type characters.
    if (alt && !control)
        return -1;
    const int key = event.key();
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        // Focus moves and Delete type nothing; they keep their usual effect.
        return -1;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    default:
        break;
    }
    // Platforms disagree on the text of Ctrl+letter (none, the letter, or
    // the control character); the code is the control character in any case.
    if (control && !alt && key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    const QString text = event.text();
    return text.size() == 1 ? text.front().unicode() : -1;
}

bool AutoCompleteKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_combo || event->type() != QEvent::KeyPress)
        return false;
    const int code = characterCode(*static_cast<QKeyEvent *>(event));
    if (code < 0)
        return false;
    // The operation gives back either 0 (discard) or the code it was given.
    return AutoCompleteComboBox(m_combo, code) == 0;
}
