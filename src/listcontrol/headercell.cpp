#include "headercell.h"

#include "drawedge.h"
#include "listgeometry.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace {
const QColor Face(212, 208, 200);
}

HeaderCell::HeaderCell(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void HeaderCell::drawCell(bool pressed)
{
    m_pressed = pressed;
    m_drawn = true;
    m_drawnCaption = m_caption;
    update();
}

void HeaderCell::clearCell()
{
    m_drawn = false;
    update();
}

void HeaderCell::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Face);
    if (!m_drawn)
        return;
    DrawEdge(p, rect(), m_pressed ? Edge::SunkenOuter : Edge::Raised, Edge::Rect);
    const QFontMetrics metrics(font());
    const QSize text(metrics.horizontalAdvance(m_drawnCaption), metrics.height());
    const QPoint origin = CaptionOrigin(size(), text);
    p.setPen(Qt::black);
    p.drawText(QRect(origin, text), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_drawnCaption);
}

void HeaderCell::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        drawCell(true);
}

void HeaderCell::mouseReleaseEvent(QMouseEvent *)
{
    drawCell(false);
}
