#include "designlabels.h"

#include "twips.h"
#include "widgetcolours.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

const QColor PaleCyan(192, 255, 255);
const QColor Blue(0, 0, 255);
const QColor DarkRed(192, 0, 0);
const QColor DarkGrey(64, 64, 64);
const QColor Red(255, 0, 0);

const QString HintIdle = QStringLiteral(
    "Tenere premuto SHIFT, cliccare e trascinare con il mouse per modificare le posizioni");
const QString HintDragging = QStringLiteral("Cliccare e trascinare con il mouse il campo da spostare");

constexpr int LabelHeight = 255;
constexpr Qt::KeyboardModifiers DragModifiers = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

/// The modifiers held once \a key has gone down or up: the key event of a
/// modifier itself may or may not count it, depending on the platform.
Qt::KeyboardModifiers heldAfter(const QKeyEvent &key)
{
    Qt::KeyboardModifiers held = key.modifiers();
    Qt::KeyboardModifier own = Qt::NoModifier;
    switch (key.key()) {
    case Qt::Key_Shift: own = Qt::ShiftModifier; break;
    case Qt::Key_Control: own = Qt::ControlModifier; break;
    case Qt::Key_Alt: own = Qt::AltModifier; break;
    default: return held;
    }
    return key.type() == QEvent::KeyPress ? held | own : held & ~own;
}

} // namespace

DesignLabels::DesignLabels(QWidget &area)
    : QObject(&area)
    , m_area(area)
{
    struct Design
    {
        const char *name;
        const char *caption;
        int left, top, width;
        QColor text;
        FieldPosition ChequeLayout::*position;
    };
    const Design labels[] = {
        {"LUOGO", "LUOGO", 1710, 225, 2130, Qt::black, &ChequeLayout::LUOGO},
        {"GGMMAAAA", "DATA", 4275, 225, 915, Qt::black, &ChequeLayout::GGMMAAAA},
        {"IMPORTO_CIFRE", "IMPORTO", 6000, 225, 2010, Blue, &ChequeLayout::IMPORTO_CIFRE},
        {"IMPORTO_DEC", "00", 8280, 225, 330, Blue, &ChequeLayout::IMPORTO_DEC},
        {"IMPORTO_ABC", "IMPORTO IN LETTERE", 1710, 1395, 5775, Blue, &ChequeLayout::IMPORTO_ABC},
        {"BENEFICIARIO", "BENEFICIARIO", 1710, 2070, 5775, DarkRed, &ChequeLayout::BENEFICIARIO},
        {"NUMEROcc", "NUMERO C/C", 1710, 2655, 5775, Qt::black, &ChequeLayout::NUMEROcc},
    };
    for (const Design &d : labels) {
        auto label = new QLabel(QLatin1String(d.caption), &area);
        label->setObjectName(QLatin1String(d.name));
        label->setGeometry(Twips::rect(d.left, d.top, d.width, LabelHeight));
        label->setFont(Twips::font(QStringLiteral("Arial"), 8.25, true));
        label->setAutoFillBackground(true);
        WidgetColours::set(*label, {QPalette::Window}, PaleCyan);
        WidgetColours::set(*label, {QPalette::WindowText}, d.text);
        label->setCursor(Qt::SizeAllCursor);
        m_fields.append({label, d.position});
        (m_positions.*d.position) = FieldPosition{float(d.top), float(d.left)};
    }

    m_hint = new QLabel(HintIdle, &area);
    m_hint->setObjectName(QStringLiteral("MsgLabel"));
    m_hint->setGeometry(Twips::rect(45, 4410, 8670, 270));
    m_hint->setFont(Twips::font(QStringLiteral("Arial"), 8.25, false));
    setHintColour(DarkGrey);
}

void DesignLabels::setPositions(const ChequeLayout &layout)
{
    m_positions = layout;
    for (const Field &f : std::as_const(m_fields))
        place(f);
}

void DesignLabels::watch(QWidget &widget)
{
    widget.installEventFilter(this);
}

void DesignLabels::calmHint()
{
    setHintColour(DarkGrey);
}

void DesignLabels::place(const Field &field)
{
    const FieldPosition &p = m_positions.*field.position;
    field.label->move(LabelDrag::toPixels(p.left), LabelDrag::toPixels(p.top));
}

void DesignLabels::setHintColour(const QColor &colour)
{
    WidgetColours::set(*m_hint, {QPalette::WindowText}, colour);
}

void DesignLabels::showHint(const QKeyEvent &key)
{
    m_hint->setText(heldAfter(key) & DragModifiers ? HintDragging : HintIdle);
}

bool DesignLabels::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        showHint(*static_cast<QKeyEvent *>(event));
        if (event->type() == QEvent::KeyPress && nudge(*static_cast<QKeyEvent *>(event)))
            return true;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        for (const Field &f : std::as_const(m_fields)) {
            if (f.label == watched)
                return labelMouse(f, static_cast<QMouseEvent *>(event));
        }
        break;
    default:
        break;
    }
    return false;
}

bool DesignLabels::labelMouse(const Field &field, QMouseEvent *mouse)
{
    const QPoint at = LabelDrag::toTwips(mouse->position());
    FieldPosition &position = m_positions.*field.position;
    switch (mouse->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (!m_drag.press(at, mouse->modifiers() & DragModifiers)) {
            setHintColour(Red);
        } else {
            m_lastDragged = &field;
            // SHIFT+arrows now move this label, not a selection in an
            // origin box.
            if (qobject_cast<QLineEdit *>(QApplication::focusWidget()))
                m_area.setFocus();
        }
        break;
    case QEvent::MouseMove:
        if (const auto moved = m_drag.moveTo(position, at)) {
            position = *moved;
            place(field);
        }
        break;
    default:
        m_drag.release();
        break;
    }
    return true;
}

bool DesignLabels::nudge(const QKeyEvent &key)
{
    const Qt::KeyboardModifiers held = key.modifiers() & ~Qt::KeypadModifier;
    if (!m_lastDragged || (held != Qt::ShiftModifier && held != (Qt::ShiftModifier | Qt::ControlModifier))
        || qobject_cast<QLineEdit *>(QApplication::focusWidget()))
        return false;
    int dx = 0, dy = 0;
    switch (key.key()) {
    case Qt::Key_Left: dx = -1; break;
    case Qt::Key_Right: dx = 1; break;
    case Qt::Key_Up: dy = -1; break;
    case Qt::Key_Down: dy = 1; break;
    default: return false;
    }
    FieldPosition &position = m_positions.*m_lastDragged->position;
    position = LabelDrag::nudge(position, dx, dy, held & Qt::ControlModifier);
    place(*m_lastDragged);
    return true;
}
