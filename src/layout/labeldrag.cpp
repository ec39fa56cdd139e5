#include "labeldrag.h"

#include <QtGlobal>
#include <cmath>

QPoint LabelDrag::toTwips(QPointF pixels)
{
    return QPoint(qRound(pixels.x() * TwipsPerPixel), qRound(pixels.y() * TwipsPerPixel));
}

int LabelDrag::toPixels(double twips)
{
    // A position read from a file can be anything; keep it inside what a
    // widget can be moved to.
    return int(std::lround(qBound(-1e6, twips / TwipsPerPixel, 1e6)));
}

bool LabelDrag::press(QPoint at, bool modifierHeld)
{
    // A press without a modifier changes nothing, not even a drag under way.
    if (!modifierHeld)
        return false;
    m_dragging = true;
    m_press = at;
    return true;
}

std::optional<FieldPosition> LabelDrag::moveTo(const FieldPosition &label, QPoint at) const
{
    if (!m_dragging)
        return std::nullopt;
    FieldPosition moved;
    moved.left = qMax(0.0f, label.left + float(at.x() - m_press.x()));
    moved.top = qMax(0.0f, label.top + float(at.y() - m_press.y()));
    return moved;
}

FieldPosition LabelDrag::nudge(const FieldPosition &label, int dx, int dy, bool millimetre)
{
    const int step = millimetre ? TwipsPerMillimetre : TwipsPerPixel;
    FieldPosition moved;
    moved.left = qMax(0.0f, label.left + float(dx * step));
    moved.top = qMax(0.0f, label.top + float(dy * step));
    return moved;
}

FieldPosition LabelDrag::bounded(const FieldPosition &label, QSize size, QSize area)
{
    FieldPosition kept = label;
    kept.left = qMax(0.0f, qMin(kept.left, float(area.width() - size.width())));
    kept.top = qMax(0.0f, qMin(kept.top, float(area.height() - size.height())));
    return kept;
}

float LabelDrag::fromMillimetres(double millimetres)
{
    return float(qRound(millimetres * 1440.0 / 25.4));
}

double LabelDrag::toMillimetres(double twips)
{
    return twips * 25.4 / 1440.0;
}
