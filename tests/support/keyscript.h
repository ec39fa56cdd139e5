#pragma once

#include <QApplication>
#include <QHash>
#include <QTest>

/// Keys as a real keyboard sends them, written as a script: a character
/// types itself; ⌫ ⏎ ⎋ ← ↑ ↓ ⇥ ⇤ are Backspace, Enter, Escape, the arrows,
/// Tab and Shift+Tab; ⌥ holds Alt down for the key after it.
namespace KeyScript {

/// Ctrl+letter brings its control character as text (Ctrl+V is U+0016),
/// Alt+letter the letter.
inline void send(QWidget *to, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        const QChar text = modifiers & Qt::ControlModifier ? QChar(key - Qt::Key_A + 1) : QChar(key).toLower();
        QTest::sendKeyEvent(QTest::Click, to, key, QString(text), modifiers);
    } else {
        QTest::keyClick(to, key, modifiers);
    }
}

/// Each key goes where Qt sends a real user's: to the open list when there
/// is one, else to the focused field.
inline void play(const QString &script)
{
    static const QHash<char16_t, Qt::Key> named = {
        {u'⌫', Qt::Key_Backspace}, {u'⏎', Qt::Key_Return}, {u'⎋', Qt::Key_Escape}, {u'←', Qt::Key_Left},
        {u'↑', Qt::Key_Up},        {u'↓', Qt::Key_Down},   {u'⇥', Qt::Key_Tab},    {u'⇤', Qt::Key_Backtab}};
    Qt::KeyboardModifiers modifiers;
    for (const QChar c : script) {
        if (c == u'⌥') {
            modifiers = Qt::AltModifier;
            continue;
        }
        const Qt::Key key = named.value(c.unicode(), Qt::Key(c.toUpper().unicode()));
        send(QApplication::focusWidget(), key, key == Qt::Key_Backtab ? Qt::ShiftModifier : modifiers);
        modifiers = {};
    }
}

} // namespace KeyScript
