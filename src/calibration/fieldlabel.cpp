#include "fieldlabel.h"

#include "twips.h"
#include "widgetcolours.h"

#include <QPainter>

namespace {

// Pale cyan, as designed, but see-through enough for the printed box under it.
const QColor PaleCyan(192, 255, 255, 170);
const QColor Marker(0, 0, 128);

} // namespace

FieldLabel::FieldLabel(const QString &caption, const QColor &text, QWidget *area)
    : QLabel(caption, area)
{
    setFont(Twips::font(QStringLiteral("Arial"), 8.25, true));
    setAutoFillBackground(true);
    WidgetColours::set(*this, {QPalette::Window}, PaleCyan);
    WidgetColours::set(*this, {QPalette::WindowText}, text);
    setCursor(Qt::SizeAllCursor);
    setFocusPolicy(Qt::StrongFocus);
    // Read by its caption, not by whatever it shows at the moment.
    setAccessibleName(QStringLiteral("Campo ") + caption);
}

void FieldLabel::setCurrent(bool current)
{
    if (current == m_current)
        return;
    m_current = current;
    update();
}

void FieldLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!m_current)
        return;
    QPainter painter(this);
    // Two pixels inside the edge, so that the frame never hides the spot
    // the label's corner stands for; dashed while the focus is elsewhere.
    QPen pen(Marker, 2, hasFocus() ? Qt::SolidLine : Qt::DashLine);
    painter.setPen(pen);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}
