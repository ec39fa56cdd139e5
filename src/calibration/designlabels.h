#pragma once

#include "chequelayout.h"
#include "labeldrag.h"

#include <QList>
#include <QObject>

class FieldLabel;
class QKeyEvent;
class QLabel;
class QMouseEvent;
class QWidget;

/// The seven cheque fields of the calibration window as labels on its
/// area, and the hint line below them. A label is dragged with the mouse
/// while a modifier is held, or made current (Tab, a click) and moved with
/// the arrows: a pixel, or a millimetre with CTRL+SHIFT. Keeps their
/// positions in twips, within the paper; the window reads them when it
/// saves or prints.
class DesignLabels : public QObject
{
    Q_OBJECT

public:
    struct Field
    {
        FieldLabel *label;
        FieldPosition ChequeLayout::*position;
    };

    /// Creates the labels, at their designed places, and the hint line on
    /// \a area. Create it before the area's other controls, so that those
    /// stay above a label dragged onto them.
    explicit DesignLabels(QWidget &area);

    const QList<Field> &fields() const { return m_fields; }
    QLabel *hint() const { return m_hint; }

    /// The positions as the labels show them; margins and flags as last set.
    const ChequeLayout &positions() const { return m_positions; }
    /// Moves every label to \a layout's positions.
    void setPositions(const ChequeLayout &layout);

    /// The field the arrows and the position boxes work on; nothing
    /// before a label has had the focus or been dragged.
    const Field *current() const { return m_current; }
    /// Moves the current field to \a position, kept on the paper, as a
    /// change of the user's.
    void moveCurrent(const FieldPosition &position);

    /// Lets the hint follow the modifiers and the arrows move the current
    /// field while \a widget has the focus: the area and each of its controls.
    void watch(QWidget &widget);
    /// The pointer is over the bare area: the hint turns calm again.
    void calmHint();

signals:
    /// The user moved a label: once a drag is over, at each arrow key and
    /// each typed position.
    void moved();
    /// Another field became current, or the current one moved.
    void currentChanged();
    /// Enter on a field: the user wants to type its position.
    void positionRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showHint(const QKeyEvent *key, bool byUser);
    void setHintColour(const QColor &colour);
    bool labelMouse(const Field &field, QMouseEvent *mouse);
    bool nudge(const QKeyEvent &key, QObject *watched);
    void makeCurrent(const Field *field);
    void place(const Field &field);
    FieldPosition onPaper(const Field &field, const FieldPosition &position) const;
    const Field *fieldOf(QObject *watched) const;

    QWidget &m_area;
    QLabel *m_hint = nullptr;
    QList<Field> m_fields;
    ChequeLayout m_positions;
    LabelDrag m_drag;
    FieldPosition m_pressedAt;
    const Field *m_current = nullptr;
};
