#pragma once

#include "printdevice.h"

#include <QFont>
#include <QList>
#include <QPrinterInfo>

#include <memory>

class QPainter;
class QPrinter;

/// PrintDevice on QPrinter and QPainter. The printers are those the system
/// lists (CUPS queues on Linux), in its order.
///
/// Nothing reaches the printer until the first printText(): that call opens
/// the job with the settings made so far, and endDocument() closes it. Each
/// job is printed at the printer's high resolution on the whole physical
/// page, without the driver's margins, so that a millimetre position means
/// the same distance from the paper's edges on every printer.
class QtPrintDevice final : public PrintDevice
{
public:
    /// Prints on the system's default printer until makeCurrent() picks
    /// another; with no printer installed every job fails.
    QtPrintDevice();
    /// Writes every job to the PDF file \a pdfFileName (A4) instead of a
    /// printer, replacing the file; lists no printers.
    explicit QtPrintDevice(const QString &pdfFileName);
    /// Draws every job on \a target, which stays the caller's and must
    /// outlive this device: a preview's printer, set up for the printer the
    /// page is meant for. Lists no printers.
    explicit QtPrintDevice(QPrinter &target);
    /// An unfinished job is abandoned, not printed.
    ~QtPrintDevice() override;

    QtPrintDevice(const QtPrintDevice &) = delete;
    QtPrintDevice &operator=(const QtPrintDevice &) = delete;

    bool printerCount(int &count) override;
    bool printerName(int index, QString &deviceName) override;
    /// Fails while a page is being printed.
    bool makeCurrent(int index) override;
    bool setOffset(float x, float y) override;
    bool setJobTitle(const QString &title) override;

    bool setOrientation(int code) override;
    bool setUnit(int code) override;
    bool setFontName(const QString &face) override;
    bool setFontSize(float points) override;
    bool setFontBold(bool bold) override;
    bool setFontItalic(bool italic) override;
    bool setCurrentX(float x) override;
    bool setCurrentY(float y) override;
    bool textWidth(const QString &text, float &width) override;
    bool printText(const QString &text) override;
    bool endDocument() override;

private:
    QPrinter *printer();
    bool beginJob();
    void dropJob();

    QString m_pdfFileName;
    QList<QPrinterInfo> m_printers;
    bool m_printersListed = false;
    QPrinterInfo m_current;
    bool m_currentChosen = false; ///< false until the default printer was looked up or one chosen

    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
    QFont m_font;
    float m_x = 0;
    float m_y = 0;
    QString m_jobTitle;
    float m_offsetX = 0;
    float m_offsetY = 0;

    QPrinter *m_target = nullptr; ///< the caller's printer, if drawing on one
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
};
