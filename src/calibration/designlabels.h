#pragma once

#include "chequelayout.h"
#include "labeldrag.h"

#include <QList>
#include <QObject>

class QKeyEvent;
class QLabel;
class QMouseEvent;
class QWidget;

/// The seven cheque fields of the calibration window as labels on its
/// area, and the hint line below them: dragged with the mouse while a
/// modifier is held, nudged with SHIFT and CTRL+SHIFT and the arrows. Keeps
/// their positions in twips; the window reads them when it saves or prints.
class DesignLabels : public QObject
{
    Q_OBJECT

public:
    struct Field
    {
        QLabel *label;
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

    /// Lets the hint follow the modifiers and the arrows nudge while
    /// \a widget has the focus: the area and each of its controls.
    void watch(QWidget &widget);
    /// The pointer is over the bare area: the hint turns calm again.
    void calmHint();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showHint(const QKeyEvent &key);
    void setHintColour(const QColor &colour);
    bool labelMouse(const Field &field, QMouseEvent *mouse);
    bool nudge(const QKeyEvent &key);
    void place(const Field &field);

    QWidget &m_area;
    QLabel *m_hint = nullptr;
    QList<Field> m_fields;
    ChequeLayout m_positions;
    LabelDrag m_drag;
    /// The label the last drag began on: the one the arrow keys move.
    const Field *m_lastDragged = nullptr;
};
