#include "recordingprintdevice.h"

namespace {
const char *opName(RecordingPrintDevice::Op op)
{
    using Op = RecordingPrintDevice::Op;
    switch (op) {
    case Op::PrinterCount: return "printerCount";
    case Op::PrinterName: return "printerName";
    case Op::MakeCurrent: return "makeCurrent";
    case Op::SetOrientation: return "setOrientation";
    case Op::SetUnit: return "setUnit";
    case Op::SetFontName: return "setFontName";
    case Op::SetFontSize: return "setFontSize";
    case Op::SetFontBold: return "setFontBold";
    case Op::SetFontItalic: return "setFontItalic";
    case Op::SetCurrentX: return "setCurrentX";
    case Op::SetCurrentY: return "setCurrentY";
    case Op::TextWidth: return "textWidth";
    case Op::PrintText: return "printText";
    case Op::EndDocument: return "endDocument";
    }
    return "?";
}

bool takesText(RecordingPrintDevice::Op op)
{
    using Op = RecordingPrintDevice::Op;
    return op == Op::SetFontName || op == Op::TextWidth || op == Op::PrintText;
}

bool takesNothing(RecordingPrintDevice::Op op)
{
    using Op = RecordingPrintDevice::Op;
    return op == Op::PrinterCount || op == Op::EndDocument;
}
} // namespace

QString RecordingPrintDevice::Call::toString() const
{
    QString s = QLatin1String(opName(op)) + QLatin1Char('(');
    if (takesText(op))
        s += text;
    else if (!takesNothing(op))
        s += QString::number(number);
    return s + QLatin1Char(')');
}

RecordingPrintDevice::RecordingPrintDevice()
    : m_width([](const QString &text, float) { return float(text.size()); })
{
}

void RecordingPrintDevice::setFailing(Op op, bool fail)
{
    if (fail)
        m_failing.insert(op);
    else
        m_failing.remove(op);
}

QStringList RecordingPrintDevice::callTexts() const
{
    QStringList texts;
    for (const Call &call : m_calls)
        texts << call.toString();
    return texts;
}

bool RecordingPrintDevice::record(Op op, double number, const QString &text)
{
    const bool ok = !m_failAll && !m_failing.contains(op);
    m_calls.append({op, number, text, ok});
    return ok;
}

bool RecordingPrintDevice::printerCount(int &count)
{
    if (!record(Op::PrinterCount))
        return false;
    count = int(m_printers.size());
    return true;
}

bool RecordingPrintDevice::printerName(int index, QString &deviceName)
{
    if (!record(Op::PrinterName, index) || index < 0 || index >= m_printers.size()) {
        m_calls.last().succeeded = false;
        return false;
    }
    deviceName = m_printers.at(index);
    return true;
}

bool RecordingPrintDevice::makeCurrent(int index)
{
    if (!record(Op::MakeCurrent, index) || index < 0 || index >= m_printers.size()) {
        m_calls.last().succeeded = false;
        return false;
    }
    m_current = index;
    return true;
}

bool RecordingPrintDevice::setOrientation(int code)
{
    if (!record(Op::SetOrientation, code))
        return false;
    m_orientation = code;
    return true;
}

bool RecordingPrintDevice::setUnit(int code)
{
    return record(Op::SetUnit, code);
}

bool RecordingPrintDevice::setFontName(const QString &face)
{
    if (!record(Op::SetFontName, 0, face))
        return false;
    m_fontName = face;
    return true;
}

bool RecordingPrintDevice::setFontSize(float points)
{
    if (!record(Op::SetFontSize, points))
        return false;
    m_fontSize = points;
    return true;
}

bool RecordingPrintDevice::setFontBold(bool bold)
{
    if (!record(Op::SetFontBold, bold ? 1 : 0))
        return false;
    m_bold = bold;
    return true;
}

bool RecordingPrintDevice::setFontItalic(bool italic)
{
    if (!record(Op::SetFontItalic, italic ? 1 : 0))
        return false;
    m_italic = italic;
    return true;
}

bool RecordingPrintDevice::setCurrentX(float x)
{
    if (!record(Op::SetCurrentX, x))
        return false;
    m_x = x;
    return true;
}

bool RecordingPrintDevice::setCurrentY(float y)
{
    if (!record(Op::SetCurrentY, y))
        return false;
    m_y = y;
    return true;
}

bool RecordingPrintDevice::textWidth(const QString &text, float &width)
{
    if (!record(Op::TextWidth, 0, text))
        return false;
    width = m_width(text, m_fontSize);
    return true;
}

bool RecordingPrintDevice::printText(const QString &text)
{
    if (!record(Op::PrintText, 0, text))
        return false;
    m_printed.append({text, m_x, m_y, m_fontName, m_fontSize, m_bold, m_italic, m_documentsEnded});
    return true;
}

bool RecordingPrintDevice::endDocument()
{
    if (!record(Op::EndDocument))
        return false;
    ++m_documentsEnded;
    return true;
}
