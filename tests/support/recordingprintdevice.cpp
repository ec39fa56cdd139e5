#include "recordingprintdevice.h"

bool RecordingPrintDevice::printerCount(int &count)
{
    record("printerCount", QString());
    count = int(m_printers.size());
    return true;
}

bool RecordingPrintDevice::printerName(int index, QString &deviceName)
{
    record("printerName", index);
    if (index < 0 || index >= m_printers.size())
        return false;
    deviceName = m_printers.at(index);
    return true;
}

bool RecordingPrintDevice::makeCurrent(int index)
{
    record("makeCurrent", index);
    if (index < 0 || index >= m_printers.size())
        return false;
    m_current = index;
    return true;
}

bool RecordingPrintDevice::setOrientation(int code)
{
    record("setOrientation", code);
    return true;
}

bool RecordingPrintDevice::setUnit(int code)
{
    record("setUnit", code);
    return true;
}

bool RecordingPrintDevice::setFontName(const QString &face)
{
    record("setFontName", face);
    return true;
}

bool RecordingPrintDevice::setFontSize(float points)
{
    record("setFontSize", points);
    m_fontSize = points;
    return true;
}

bool RecordingPrintDevice::setFontBold(bool bold)
{
    record("setFontBold", int(bold));
    return true;
}

bool RecordingPrintDevice::setFontItalic(bool italic)
{
    record("setFontItalic", int(italic));
    return true;
}

bool RecordingPrintDevice::setCurrentX(float x)
{
    record("setCurrentX", x);
    m_x = x;
    return true;
}

bool RecordingPrintDevice::setCurrentY(float y)
{
    record("setCurrentY", y);
    m_y = y;
    return true;
}

bool RecordingPrintDevice::textWidth(const QString &text, float &width)
{
    record("textWidth", text);
    width = float(text.size());
    return true;
}

bool RecordingPrintDevice::printText(const QString &text)
{
    record("printText", text);
    m_printed.append({text, m_x, m_y, m_fontSize});
    return true;
}

bool RecordingPrintDevice::endDocument()
{
    record("endDocument", QString());
    ++m_documentsEnded;
    return true;
}
