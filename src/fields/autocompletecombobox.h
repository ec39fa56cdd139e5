#pragma once

class QComboBox;

/// Auto-completion of an editable combo box from its own list, for one key
/// press. keyCode is the character code of the key (printable from 32 up,
/// 8 Backspace, 13 Enter). Returns the code the combo box is to receive:
/// 0 when the key was handled here and must be discarded, 13 for Enter, or
/// keyCode unchanged when the combo box has no edit field to work on.
/// Meant for a combo box with no completer of its own and the NoInsert
/// policy: the function sets the edit text and selection itself.
int AutoCompleteComboBox(QComboBox &combo, int keyCode);
