#include "designlabels.h"

#include "chequeprint.h"
#include "fieldlabel.h"
#include "twips.h"
#include "widgetcolours.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

const QColor Blue(0, 0, 255);
const QColor DarkRed(192, 0, 0);
const QColor DarkGrey(64, 64, 64);
const QColor Red(255, 0, 0);

const QString HintIdle = QStringLiteral(
    "Tenere premuto SHIFT, cliccare e trascinare con il mouse per modificare le posizioni");
const QString HintDragging = QStringLiteral("Cliccare e trascinare con il mouse il campo da spostare");
const QString HintKeys = QStringLiteral(
    "Frecce: sposta il campo (CTRL+SHIFT: 1 mm) · Invio: posizione in mm · CTRL+Z: annulla · SHIFT+F10: immagine");

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
        auto label = new FieldLabel(QLatin1String(d.caption), d.text, &area);
        label->setObjectName(QLatin1String(d.name));
        label->setGeometry(Twips::rect(d.left, d.top, d.width, LabelHeight));
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
    emit currentChanged();
}

void DesignLabels::moveCurrent(const FieldPosition &position)
{
    if (!m_current)
        return;
    const FieldPosition kept = onPaper(*m_current, position);
    if (kept == m_positions.*m_current->position)
        return;
    m_positions.*m_current->position = kept;
    place(*m_current);
    emit currentChanged();
    emit moved();
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

FieldPosition DesignLabels::onPaper(const Field &field, const FieldPosition &position) const
{
    // Past the paper's edge a label would print nowhere, and vanish from
    // the window once it is shrunk again.
    const QSize label(field.label->width() * LabelDrag::TwipsPerPixel,
                      field.label->height() * LabelDrag::TwipsPerPixel);
    const QSize paper(qRound(PaperWidth * 1440 / 25.4), qRound(PaperHeight * 1440 / 25.4));
    return LabelDrag::bounded(position, label, paper);
}

const DesignLabels::Field *DesignLabels::fieldOf(QObject *watched) const
{
    for (const Field &f : m_fields) {
        if (f.label == watched)
            return &f;
    }
    return nullptr;
}

void DesignLabels::makeCurrent(const Field *field)
{
    if (field == m_current)
        return;
    if (m_current)
        m_current->label->setCurrent(false);
    m_current = field;
    if (m_current)
        m_current->label->setCurrent(true);
    emit currentChanged();
}

void DesignLabels::setHintColour(const QColor &colour)
{
    WidgetColours::set(*m_hint, {QPalette::WindowText}, colour);
}

void DesignLabels::showHint(const QKeyEvent *key, bool byUser)
{
    const Qt::KeyboardModifiers held = key ? heldAfter(*key) : QApplication::queryKeyboardModifiers();
    if (held & DragModifiers)
        m_hint->setText(HintDragging);
    else
        // The keys are named once the user works on a field with them or a
        // click; the window opens with the mouse's hint.
        m_hint->setText(byUser && fieldOf(QApplication::focusWidget()) ? HintKeys : HintIdle);
}

bool DesignLabels::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        showHint(static_cast<QKeyEvent *>(event), true);
        if (event->type() == QEvent::KeyPress && nudge(*static_cast<QKeyEvent *>(event), watched))
            return true;
        if (event->type() == QEvent::KeyPress && fieldOf(watched)) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                emit positionRequested();
                return true;
            }
        }
        break;
    case QEvent::FocusIn:
        if (const Field *f = fieldOf(watched)) {
            makeCurrent(f);
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            showHint(nullptr, reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
                                  || reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason);
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        if (const Field *f = fieldOf(watched))
            return labelMouse(*f, static_cast<QMouseEvent *>(event));
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
        // A click makes the field current, so the arrows take it on from
        // here, and takes the focus out of an origin box.
        field.label->setFocus(Qt::MouseFocusReason);
        if (!m_drag.press(at, mouse->modifiers() & DragModifiers))
            setHintColour(Red);
        else
            m_pressedAt = position;
        break;
    case QEvent::MouseMove:
        if (const auto moved = m_drag.moveTo(position, at)) {
            position = onPaper(field, *moved);
            place(field);
            emit currentChanged();
        }
        break;
    default:
        if (m_drag.dragging() && !(m_pressedAt == position))
            emit moved();
        m_drag.release();
        break;
    }
    return true;
}

bool DesignLabels::nudge(const QKeyEvent &key, QObject *watched)
{
    const Qt::KeyboardModifiers held = key.modifiers() & ~Qt::KeypadModifier;
    const bool onLabel = fieldOf(watched) != nullptr;
    // SHIFT works from anywhere but a text box, as it always has; plain
    // arrows only on the field itself, where they have no other use.
    const bool step = held == Qt::ShiftModifier || (held == Qt::NoModifier && onLabel);
    const bool millimetre = held == (Qt::ShiftModifier | Qt::ControlModifier);
    if (!m_current || !(step || millimetre) || qobject_cast<QLineEdit *>(QApplication::focusWidget()))
        return false;
    int dx = 0, dy = 0;
    switch (key.key()) {
    case Qt::Key_Left: dx = -1; break;
    case Qt::Key_Right: dx = 1; break;
    case Qt::Key_Up: dy = -1; break;
    case Qt::Key_Down: dy = 1; break;
    default: return false;
    }
    moveCurrent(LabelDrag::nudge(m_positions.*m_current->position, dx, dy, millimetre));
    return true;
}
