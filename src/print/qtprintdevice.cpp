#include "qtprintdevice.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace {
constexpr double MillimetresPerInch = 25.4;
}

// The printing service is first asked at the first print, so that the
// program starts at once even when CUPS is slow or not running.
QtPrintDevice::QtPrintDevice()
{
    m_font.setPointSizeF(10);
}

QtPrintDevice::QtPrintDevice(const QString &pdfFileName)
    : m_pdfFileName(pdfFileName)
    , m_printersListed(true)
{
    m_font.setPointSizeF(10);
}

QtPrintDevice::QtPrintDevice(QPrinter &target)
    : m_printersListed(true)
    , m_target(&target)
{
    m_font.setPointSizeF(10);
    // Measured from the paper's corner, as on every printer.
    m_target->setFullPage(true);
}

QtPrintDevice::~QtPrintDevice()
{
    dropJob();
}

bool QtPrintDevice::printerCount(int &count)
{
    // Listed afresh for every count, so that a printer selection window sees
    // the queues as they are now and its later name look-ups match its list.
    if (m_pdfFileName.isEmpty())
        m_printers = QPrinterInfo::availablePrinters();
    m_printersListed = true;
    count = int(m_printers.size());
    return true;
}

bool QtPrintDevice::printerName(int index, QString &deviceName)
{
    if (!m_printersListed) {
        int count = 0;
        printerCount(count);
    }
    if (index < 0 || index >= m_printers.size())
        return false;
    deviceName = m_printers.at(index).printerName();
    return true;
}

bool QtPrintDevice::makeCurrent(int index)
{
    if (!m_printersListed) {
        int count = 0;
        printerCount(count);
    }
    if (index < 0 || index >= m_printers.size() || m_painter)
        return false;
    m_current = m_printers.at(index);
    m_currentChosen = true;
    m_printer.reset();
    m_offsetX = m_offsetY = 0;
    return true;
}

bool QtPrintDevice::setOffset(float x, float y)
{
    m_offsetX = x;
    m_offsetY = y;
    return true;
}

bool QtPrintDevice::setJobTitle(const QString &title)
{
    m_jobTitle = title;
    return true;
}

bool QtPrintDevice::setOrientation(int code)
{
    if (code != Portrait && code != Landscape)
        return false;
    // Applied when the job begins, so it may come after fonts and measures;
    // a page already begun keeps its shape.
    m_orientation = code == Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    return true;
}

bool QtPrintDevice::setUnit(int code)
{
    return code == Millimetres;
}

bool QtPrintDevice::setFontName(const QString &face)
{
    if (face.trimmed().isEmpty())
        return false;
    m_font.setFamily(face);
    return true;
}

bool QtPrintDevice::setFontSize(float points)
{
    if (!(points > 0))
        return false;
    m_font.setPointSizeF(points);
    return true;
}

bool QtPrintDevice::setFontBold(bool bold)
{
    m_font.setBold(bold);
    return true;
}

bool QtPrintDevice::setFontItalic(bool italic)
{
    m_font.setItalic(italic);
    return true;
}

bool QtPrintDevice::setCurrentX(float x)
{
    m_x = x;
    return true;
}

bool QtPrintDevice::setCurrentY(float y)
{
    m_y = y;
    return true;
}

bool QtPrintDevice::textWidth(const QString &text, float &width)
{
    // Measured on the printer itself: a screen's metrics at 96 dpi would put
    // right-aligned figures off by the rounding of every glyph advance.
    QPrinter *p = printer();
    if (!p)
        return false;
    const QFontMetricsF metrics(m_font, p);
    width = float(metrics.horizontalAdvance(text) * MillimetresPerInch / p->logicalDpiX());
    return true;
}

bool QtPrintDevice::printText(const QString &text)
{
    if (!m_painter && !beginJob())
        return false;
    // The painter resolves the point size against the printer's resolution,
    // so the metrics must come from the same device.
    m_painter->setFont(m_font);
    QPrinter *p = printer();
    const QFontMetricsF metrics(m_painter->font(), p);
    const QPointF baseline((m_x + m_offsetX) * p->logicalDpiX() / MillimetresPerInch,
                           (m_y + m_offsetY) * p->logicalDpiY() / MillimetresPerInch + metrics.ascent());
    m_painter->drawText(baseline, text);
    return true;
}

bool QtPrintDevice::endDocument()
{
    if (!m_painter)
        return true;
    const bool ok = m_painter->end();
    m_painter.reset();
    // A fresh QPrinter per job: a used one keeps its page count and state.
    m_printer.reset();
    return ok;
}

QPrinter *QtPrintDevice::printer()
{
    if (m_target)
        return m_target;
    if (m_printer)
        return m_printer.get();
    if (m_pdfFileName.isEmpty()) {
        if (!m_currentChosen) {
            m_current = QPrinterInfo::defaultPrinter();
            m_currentChosen = true;
        }
        if (m_current.isNull())
            return nullptr;
        m_printer = std::make_unique<QPrinter>(m_current, QPrinter::HighResolution);
    } else {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(m_pdfFileName);
        m_printer->setPageSize(QPageSize(QPageSize::A4));
    }
    // Positions are measured from the paper's corner, not from the corner
    // of the driver's printable area.
    m_printer->setFullPage(true);
    return m_printer.get();
}

bool QtPrintDevice::beginJob()
{
    QPrinter *p = printer();
    if (!p)
        return false;
    p->setPageOrientation(m_orientation);
    p->setDocName(m_jobTitle.isEmpty() ? QStringLiteral("Quendra") : m_jobTitle);
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(p)) {
        // The printer may be gone or unwritable; the next job tries anew.
        m_printer.reset();
        return false;
    }
    m_painter = std::move(painter);
    return true;
}

void QtPrintDevice::dropJob()
{
    if (!m_painter)
        return;
    // The caller's printer is the caller's to abandon.
    if (!m_target)
        m_printer->abort();
    m_painter->end();
    m_painter.reset();
    m_printer.reset();
}
