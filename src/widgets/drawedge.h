#pragma once

#include <QRect>

class QPainter;

// The classic bevelled edge of buttons and header cells, drawn with the
// flags programs written for the Windows DrawEdge call use.
namespace Edge {
enum Kind {
    RaisedOuter = 0x1,
    SunkenOuter = 0x2,
    RaisedInner = 0x4,
    SunkenInner = 0x8,
    Raised = RaisedOuter | RaisedInner,
};
enum Sides { Left = 0x1, Top = 0x2, Right = 0x4, Bottom = 0x8, Rect = 0xF };
} // namespace Edge

/// Draws the outer edge on the outermost pixels of rect and the inner edge
/// one pixel inside it, on the sides given; the colours are those of the
/// classic grey scheme, so the edge matches its (212, 208, 200) face.
void DrawEdge(QPainter &painter, const QRect &rect, int kind, int sides);
