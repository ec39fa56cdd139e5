#include "printpage.h"

#include "printdevice.h"

namespace {
constexpr double MillimetresPerInch = 25.4;
constexpr double TwipsPerInch = 1440;
} // namespace

PrintPage::PrintPage(PrintDevice &device)
    : m_device(device)
{
}

void PrintPage::setUp()
{
    check(m_device.setOrientation(PrintDevice::Landscape));
    check(m_device.setUnit(PrintDevice::Millimetres));
    check(m_device.setFontSize(LabelSize));
    check(m_device.setFontName(QStringLiteral("Arial")));
    check(m_device.setFontBold(false));
    check(m_device.setFontItalic(false));
}

void PrintPage::setSize(float points)
{
    check(m_device.setFontSize(points));
}

double PrintPage::width(const QString &text)
{
    float w = 0;
    if (!m_device.textWidth(text, w)) {
        m_ok = false;
        return 0;
    }
    return w;
}

void PrintPage::moveTo(double x, double y)
{
    check(m_device.setCurrentX(float(x)));
    check(m_device.setCurrentY(float(y)));
}

void PrintPage::print(const QString &text)
{
    check(m_device.printText(text));
}

void PrintPage::printAt(QPointF at, const QString &text)
{
    moveTo(at.x(), at.y());
    print(text);
}

bool PrintPage::end()
{
    check(m_device.endDocument());
    return m_ok;
}

double PrintPage::toMillimetres(double twips)
{
    return twips * MillimetresPerInch / TwipsPerInch;
}

QPointF PrintPage::position(QPointF origin, const FieldPosition &field)
{
    return {toMillimetres(field.left) + origin.x(), toMillimetres(field.top) + origin.y()};
}
