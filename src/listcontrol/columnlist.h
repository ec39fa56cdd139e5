#pragma once

#include <QListWidget>

/// One column of the list control: a plain single-selection list in the
/// column font that scrolls a whole row at a time, so that its scroll value
/// is its top row.
class ColumnList : public QListWidget
{
    Q_OBJECT

public:
    explicit ColumnList(QWidget *parent = nullptr);

    /// -1 when no row is selected.
    int selectedIndex() const;
    /// Any row that does not exist, -1 among them, clears the selection.
    void setSelectedIndex(int row);
    QString selectedText() const;

    int topIndex() const;
    void setTopIndex(int row);

    /// Height of one row in pixels, as this list draws it; measured on a
    /// sample row when the list is empty.
    int rowHeight();
};
