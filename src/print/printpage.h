#pragma once

#include "chequelayout.h"

#include <QPointF>
#include <QString>

class PrintDevice;

/// One page as both print routines lay it out: the same job set-up, the
/// same sizes and the same way from a field position to paper, so that a
/// position tried with the test page prints the same on a cheque.
///
/// Every device operation is run even after one failed; allSucceeded()
/// tells whether any did.
class PrintPage
{
public:
    static constexpr float LabelSize = 11;
    static constexpr float FigureSize = 13;
    /// The amount in figures is right-aligned on this width, in millimetres,
    /// from its position.
    static constexpr double FiguresWidth = 32;

    explicit PrintPage(PrintDevice &device);

    /// Job setting, millimetres, Arial 11, neither bold nor italic.
    void setUp();
    void setSize(float points);
    /// Width of text in millimetres; 0 when the device cannot measure, so
    /// the figures then start FiguresWidth right of their position, which
    /// is still on the form.
    double width(const QString &text);
    void moveTo(double x, double y);
    void print(const QString &text);
    void printAt(QPointF at, const QString &text);
    /// Ends the document; true when every operation of the page succeeded.
    bool end();
    bool allSucceeded() const { return m_ok; }

    /// Twips to millimetres, 1440 twips and 25.4 mm to the inch.
    static double toMillimetres(double twips);
    /// Where a field lands on paper, in millimetres, given the print origin
    /// in millimetres.
    static QPointF position(QPointF origin, const FieldPosition &field);

private:
    void check(bool ok) { m_ok = m_ok && ok; }

    PrintDevice &m_device;
    bool m_ok = true;
};
