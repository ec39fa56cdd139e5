#include "autocompletecombobox.h"

#include "combomessages.h"

#include <QComboBox>
#include <QLineEdit>

namespace {
constexpr int Backspace = 8;
constexpr int Enter = 13;
constexpr int Escape = 27;
constexpr int FirstPrintable = 32;
}

// The combo box is expected to have setCompleter(nullptr) and the NoInsert
// policy. A completer would put its own guess into the field while the
// text is set here, and with an insert policy Enter would add whatever was
// typed to the list; with both off, the text, the caret and the selection
// are exactly those set below.
int AutoCompleteComboBox(QComboBox &combo, int keyCode)
{
    QLineEdit *edit = combo.lineEdit();
    if (!edit || keyCode < 0 || keyCode > 0xFFFF)
        return keyCode;

    const QString text = edit->text();
    const bool hasSelection = edit->hasSelectedText();
    const int selectionStart = hasSelection ? edit->selectionStart() : edit->cursorPosition();
    const int selectionLength = hasSelection ? int(edit->selectedText().size()) : 0;

    if (keyCode >= FirstPrintable) {
        // The typed character replaces the selected suggestion; with nothing
        // selected it goes at the end, wherever the caret is.
        const QString prefix = (selectionLength != 0 ? text.left(selectionStart) : text)
            + QChar(char16_t(keyCode));
        showDropDown(combo);
        if (selectString(combo, prefix) >= 0) {
            const int tail = int(edit->text().size() - prefix.size());
            edit->setSelection(int(prefix.size()), tail);
        } else {
            edit->setText(prefix);
            edit->setCursorPosition(int(prefix.size()));
        }
        return 0;
    }

    edit->setCursorPosition(selectionStart);
    switch (keyCode) {
    case Backspace:
        if (selectionLength != 0)
            edit->setText(text.left(selectionStart));
        else if (!text.isEmpty())
            edit->setText(text.chopped(1));
        edit->end(false);
        return 0;
    case Enter:
        edit->end(false);
        // Enter accepts the text shown; the list has nothing more to offer,
        // and left open it would keep the keyboard until clicked away.
        hideDropDown(combo);
        return Enter;
    case Escape:
        // Escape takes back no part of the text: what is shown stays, whole.
        edit->end(false);
        return 0;
    default:
        return 0;
    }
}
