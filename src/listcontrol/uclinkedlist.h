#pragma once

#include "listgeometry.h"

#include <QVariantMap>
#include <QWidget>

#include <vector>

class ColumnList;
class HeaderCell;
class QFontMetrics;
class QScrollBar;

/// A list of rows in several columns under a row of header cells. Each
/// column is a list of its own, laid side by side so that every list hides
/// the scroll bar of the one before it; all of them keep the same top row
/// and, with FullRowSelect, the same selected row.
///
/// ListProperties gives the columns as "caption,width|caption,width|...",
/// widths in pixels of visible text. Rows are given and returned as their
/// cells joined by TAB. Rows are counted from 0, as are columns.
class ucLinkedList : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString ListProperties READ ListProperties WRITE setListProperties NOTIFY
                       ListPropertiesChanged DESIGNABLE true STORED true)
    Q_PROPERTY(bool FullRowSelect READ FullRowSelect WRITE setFullRowSelect NOTIFY FullRowSelectChanged
                       DESIGNABLE true STORED true)
    Q_PROPERTY(bool ResetList READ ResetList WRITE setResetList DESIGNABLE true STORED false)
    Q_PROPERTY(int ListIndex READ ListIndex WRITE setListIndex DESIGNABLE false STORED false)
    Q_PROPERTY(QString Text READ Text DESIGNABLE false STORED false)
    Q_PROPERTY(int ListCount READ ListCount DESIGNABLE false STORED false)
    Q_PROPERTY(bool LockUpdate READ LockUpdate WRITE setLockUpdate DESIGNABLE false STORED false)

public:
    /// The definition a control gets when none was ever stored for it.
    static const QString DefaultListProperties;
    /// The definition a brand-new control starts with.
    static const QString NewListProperties;
    static constexpr int HeaderHeight = 18;

    explicit ucLinkedList(QWidget *parent = nullptr);
    ~ucLinkedList() override;

    /// Appends a row; more cells than columns are dropped, missing ones
    /// are left empty. Scrolls back to the first row and column.
    void AddItem(const QString &strNewItems);
    /// Removes a row from every column. Does nothing for a row that does
    /// not exist.
    void RemoveItem(int Index);
    void ClearList();
    void Refresh();

    bool FullRowSelect() const { return m_fullRow; }
    /// The current selection stays as it is until the next click.
    void setFullRowSelect(bool fullRow);

    /// The selected row of column 0, -1 for none.
    int ListIndex() const;
    /// Selects the row in column 0 (-1 clears it) and handles it as a click
    /// there. A row that does not exist is ignored.
    void setListIndex(int index);

    /// With Column -1 (or past the last column) the whole row, cells joined
    /// by TAB; otherwise that one cell followed by a TAB. "" for a negative
    /// Index.
    QString List(int Index, int Column = -1) const;
    /// The whole selected row, TAB-joined; "" when nothing is selected.
    QString Text() const;
    int ListCount() const;

    /// Always false; setting it true rebuilds the columns (and drops the rows).
    bool ResetList() const { return false; }
    void setResetList(bool reset);

    /// Freezes the painting of the whole control until released, so that a
    /// batch of changes shows at once.
    void setLockUpdate(bool lock);
    bool LockUpdate() const { return m_userLock; }

    QString ListProperties() const { return m_definition; }
    /// An empty definition is ignored; any other rebuilds the columns,
    /// which drops every row.
    void setListProperties(const QString &strNewListProperties);

    /// Applies stored "ListProperties" and "FullRowSelect", with their
    /// defaults for keys that are missing.
    void ReadProperties(const QVariantMap &bag);
    /// Both keys, always.
    QVariantMap WriteProperties() const;

    QSize sizeHint() const override;

    /// What a column \a width pixels wide shows of \a cell, without the
    /// blanks at its ends: what a screen reader reads for it.
    static QString ShownText(const QString &cell, const QFontMetrics &metrics, int width);

    // The parts, for windows that need to place or inspect them.
    int columnCount() const { return m_columnCount; }
    ColumnList *lstList(int index) const;
    HeaderCell *picHeader(int index) const;
    QWidget *picBack() const { return m_back; }
    QScrollBar *hsbScroll() const { return m_hsb; }
    QScrollBar *vsbScroll() const { return m_vsb; }
    int itemHeight() const { return m_itemHeight; }
    int scrollBarWidth() const { return m_scrollBarWidth; }

signals:
    /// A row chosen by the user or through setListIndex; Text is that one
    /// cell. Not raised for selections the control makes itself.
    void ItemClick(int RowIndex, int ColumnIndex, const QString &Text);
    void ItemDblClick(int RowIndex, int ColumnIndex, const QString &Text);
    /// Part of the interface for hosts that want it; header cells only
    /// show they are pressed, so nothing raises it.
    void HeaderClick(int Index, const QString &Caption);
    void ListPropertiesChanged();
    void FullRowSelectChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ColumnList *newColumnList(int column);
    void RebuildColumns();
    void BuildColumns();
    void ArrangeColumns();
    void UpdateScrollBars();
    void SyncSelection(int column);
    void SyncScroll(int column);
    void columnSelectionChanged(int column);
    void columnDoubleClicked(int column);
    void verticalBarMoved(int value);
    ListMetrics metrics() const;
    void freeze();
    void release();

    QWidget *m_back = nullptr;
    QScrollBar *m_hsb = nullptr;
    QScrollBar *m_vsb = nullptr;
    std::vector<ColumnList *> m_lists;
    std::vector<HeaderCell *> m_headers;
    QList<ColumnGeometry> m_geometry;
    QList<int> m_textWidths;

    bool m_fullRow = true;
    bool m_busy = false;
    QString m_definition;
    int m_columnCount = 1;
    int m_itemHeight = 0;
    int m_scrollBarWidth = 0;

    bool m_writingIndex = false;
    bool m_userLock = false;
    int m_freezeDepth = 0;
};
