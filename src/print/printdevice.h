#pragma once

#include <QString>

/// The few operations the program needs from the printing service: the list
/// of installed printers, one current printer, and text placed on one page.
///
/// Every operation reports success; a false return leaves the device usable,
/// so a caller may go on regardless (the cheque print does) or tell the user.
/// One current printer serves the whole run; it starts as the system's
/// default printer and changes only through makeCurrent().
class PrintDevice
{
public:
    /// Codes understood by setOrientation().
    enum Orientation : int { Portrait = 1, Landscape = 2 };
    /// Codes understood by setUnit().
    enum Unit : int { Millimetres = 6 };

    virtual ~PrintDevice() = default;

    virtual bool printerCount(int &count) = 0;
    /// The device name of printer \a index, 0 to count - 1.
    virtual bool printerName(int index, QString &deviceName) = 0;
    /// Later jobs go to printer \a index, for the rest of the run, with no
    /// correction until setOffset() gives it one.
    virtual bool makeCurrent(int index) = 0;
    /// How far the current printer feeds its paper off, in millimetres:
    /// from now on every text lands that much further right (\a x) and
    /// down (\a y) than its position says. The one place a correction is
    /// applied, so the cheque, the test page and the preview agree.
    virtual bool setOffset(float x, float y) = 0;

    /// What the print queue shows the next job as ("Assegno – ROSSI MARIO –
    /// 1.500,50"), so that a job stuck in the queue says which cheque it is.
    virtual bool setJobTitle(const QString &title) = 0;

    /// The print routines' job setting: Landscape (2) or Portrait (1).
    virtual bool setOrientation(int code) = 0;
    /// Millimetres (6): positions and widths are then millimetres from the
    /// top-left corner of the physical page.
    virtual bool setUnit(int code) = 0;
    virtual bool setFontName(const QString &face) = 0;
    virtual bool setFontSize(float points) = 0;
    virtual bool setFontBold(bool bold) = 0;
    virtual bool setFontItalic(bool italic) = 0;
    /// Where the next printed text starts, in millimetres.
    virtual bool setCurrentX(float x) = 0;
    virtual bool setCurrentY(float y) = 0;
    /// Width of \a text in the current font and size, in millimetres.
    virtual bool textWidth(const QString &text, float &width) = 0;
    /// Draws \a text with the top-left corner of its line at the current
    /// position. The first text of a job starts the job.
    virtual bool printText(const QString &text) = 0;
    /// Finishes the page and hands the job to the printer.
    virtual bool endDocument() = 0;
};
