#pragma once

#include "chequelayout.h"

#include <QPoint>
#include <QPointF>
#include <QSize>
#include <optional>

/// The drag of a field label in the calibration window. Everything is in
/// twips, whole ones, so that what is saved reads back exactly; the window
/// turns its logical pixels into twips at 15 a pixel whatever the screen's
/// device pixel ratio.
class LabelDrag
{
public:
    static constexpr int TwipsPerPixel = 15;
    /// 1440 / 25,4 = 56,69, to the nearest whole twip.
    static constexpr int TwipsPerMillimetre = 57;

    /// A point in logical pixels as whole twips.
    static QPoint toTwips(QPointF pixels);
    /// Twips to the nearest logical pixel.
    static int toPixels(double twips);

    /// Mouse down at \a at (twips from the label's corner): a drag starts
    /// only with SHIFT, CTRL or ALT held. Returns whether it started.
    bool press(QPoint at, bool modifierHeld);
    /// Where \a label goes with the pointer at \a at (twips from the
    /// label's corner): moved by exactly what the pointer moved since the
    /// press, stopped at Left 0 and Top 0. Nothing when no drag is on.
    std::optional<FieldPosition> moveTo(const FieldPosition &label, QPoint at) const;
    /// \a label moved one step by the keyboard, by \a dx and \a dy (each
    /// -1, 0 or 1): a pixel, or a millimetre (57) when \a millimetre is set, in
    /// whole twips; stopped at Left 0 and Top 0.
    static FieldPosition nudge(const FieldPosition &label, int dx, int dy, bool millimetre);

    /// \a label kept on the paper: its right and bottom edges, for a label
    /// of \a size twips, no further than \a area twips from the corner.
    static FieldPosition bounded(const FieldPosition &label, QSize size, QSize area);

    /// Millimetres typed for a position, to the nearest whole twip.
    static float fromMillimetres(double millimetres);
    /// A position in millimetres, for showing it.
    static double toMillimetres(double twips);

    /// Mouse up: the drag is over.
    void release() { m_dragging = false; }
    bool dragging() const { return m_dragging; }

private:
    bool m_dragging = false;
    QPoint m_press;
};
