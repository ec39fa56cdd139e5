#include "focusframe.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

namespace {

class FocusStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_FrameFocusRect) {
            FocusFrame::paint(*painter, option->rect, option->palette);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        QProxyStyle::drawControl(element, option, painter, widget);
        // Some styles show a focused button only by a faint tint of its edge.
        if (element == CE_PushButton && (option->state & State_HasFocus))
            FocusFrame::paint(*painter, option->rect.adjusted(1, 1, -1, -1), option->palette);
    }
};

} // namespace

FocusFrame::FocusFrame(QWidget *parent)
    : QFocusFrame(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FocusFrame::paint(QPainter &painter, const QRect &rect, const QPalette &palette)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette.color(QPalette::Highlight), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    painter.setPen(QPen(palette.color(QPalette::HighlightedText), 1));
    painter.drawRect(rect.adjusted(2, 2, -3, -3));
    painter.restore();
}

void FocusFrame::installStyle(QApplication &app)
{
    app.setStyle(new FocusStyle(app.style()->name()));
}

void FocusFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(painter, rect(), palette());
}

bool FocusFrame::eventFilter(QObject *watched, QEvent *event)
{
    const bool handled = QFocusFrame::eventFilter(watched, event);
    // QFocusFrame shows itself with its widget, on styles that draw a focus
    // frame around it: this one shows only while its widget has the focus,
    // whatever the style.
    const bool shown = widget() && widget()->isVisible() && widget()->hasFocus();
    if (shown != isVisible())
        setVisible(shown);
    if (shown && watched == widget() && event->type() == QEvent::FocusIn)
        raise();
    return handled;
}
