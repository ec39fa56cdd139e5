#include "drawedge.h"

#include <QColor>
#include <QPainter>

namespace {

const QColor Light(212, 208, 200);
const QColor Highlight(255, 255, 255);
const QColor Shadow(128, 128, 128);
const QColor DarkShadow(64, 64, 64);

void drawBorder(QPainter &p, const QRect &r, const QColor &topLeft, const QColor &bottomRight, int sides)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    // Top and left stop one pixel short so that the bottom and right lines
    // own the far corners, as the classic look has them.
    if (sides & Edge::Top)
        p.fillRect(r.left(), r.top(), r.width() - 1, 1, topLeft);
    if (sides & Edge::Left)
        p.fillRect(r.left(), r.top(), 1, r.height() - 1, topLeft);
    if (sides & Edge::Bottom)
        p.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
    if (sides & Edge::Right)
        p.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
}

} // namespace

void DrawEdge(QPainter &painter, const QRect &rect, int kind, int sides)
{
    if (kind & Edge::RaisedOuter)
        drawBorder(painter, rect, Light, DarkShadow, sides);
    else if (kind & Edge::SunkenOuter)
        drawBorder(painter, rect, Shadow, Highlight, sides);
    const QRect inner = rect.adjusted(1, 1, -1, -1);
    if (kind & Edge::RaisedInner)
        drawBorder(painter, inner, Highlight, Shadow, sides);
    else if (kind & Edge::SunkenInner)
        drawBorder(painter, inner, DarkShadow, Light, sides);
}
