#pragma once

#include <QString>

class QComboBox;

// The two things auto-completion asks of a combo box's list: drop it down,
// and pick the first item that begins with some text.

/// Opens the drop-down list if it is not open yet. While it is open the
/// keys still reach the combo box itself, as they would with the list
/// closed, except those that move in the list (arrows, page keys): the row
/// they move to becomes the text of the field. Escape, Tab and Shift+Tab
/// close the list first.
void showDropDown(QComboBox &combo);

/// Closes the drop-down list if it is open.
void hideDropDown(QComboBox &combo);

/// Finds the first item, in list order, whose text begins with prefix,
/// ignoring case (À matches à). If there is one, makes it the current item,
/// puts its full text into the edit field and returns its row; otherwise
/// returns -1 and changes nothing. Fast on long lists: the lookup keeps a
/// sorted copy of the list on the combo box, rebuilt after the list changes.
int selectString(QComboBox &combo, const QString &prefix);

/// Builds the lookup behind selectString now rather than at the first key,
/// so that a long list does not make the first key press wait. A combo box
/// on a TextLinesModel sorts it on another thread instead, and looks
/// through the list itself until that is done.
void prepareSelectString(QComboBox &combo);
