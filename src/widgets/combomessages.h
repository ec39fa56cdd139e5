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
/// returns -1 and changes nothing. Fast on long lists when the combo box is
/// on a TextLinesModel, whose sorted lookup answers; any other list is read
/// through from the top.
int selectString(QComboBox &combo, const QString &prefix);

/// Starts sorting the lookup of a combo box on a TextLinesModel, on another
/// thread, so that a long list does not make the first key press wait;
/// until the sort is done the list is read through. Other combo boxes need
/// nothing.
void prepareSelectString(QComboBox &combo);
