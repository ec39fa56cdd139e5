#pragma once

#include "printdevice.h"

#include <QList>
#include <QPointF>
#include <QStringList>
#include <QVariant>

/// A PrintDevice for tests: it draws nothing, keeps the state a printer
/// would (position, size, current printer) and records every call as
/// "setFontSize(13)", "printText(#1 5 0 0,)". Texts are measured at 1 mm a
/// character.
class RecordingPrintDevice final : public PrintDevice
{
public:
    /// One printText() with the state it was drawn in.
    struct Printed
    {
        QString text;
        float x = 0;
        float y = 0;
        float fontSize = 0;
    };

    void setPrinters(const QStringList &deviceNames) { m_printers = deviceNames; }

    const QStringList &calls() const { return m_calls; }
    const QList<Printed> &printed() const { return m_printed; }
    int currentPrinter() const { return m_current; } ///< -1 until makeCurrent()
    int documentsEnded() const { return m_documentsEnded; }
    /// The correction last set, in millimetres; none after makeCurrent().
    QPointF offset() const { return m_offset; }

    bool printerCount(int &count) override
    {
        count = int(m_printers.size());
        return record("printerCount", QString());
    }
    bool printerName(int index, QString &deviceName) override
    {
        record("printerName", index);
        if (!known(index))
            return false;
        deviceName = m_printers.at(index);
        return true;
    }
    bool makeCurrent(int index) override
    {
        record("makeCurrent", index);
        if (!known(index))
            return false;
        m_current = index;
        m_offset = {};
        return true;
    }
    bool setOffset(float x, float y) override
    {
        m_offset = QPointF(x, y);
        return record("setOffset", QStringLiteral("%1;%2").arg(x).arg(y));
    }
    bool setOrientation(int code) override { return record("setOrientation", code); }
    bool setUnit(int code) override { return record("setUnit", code); }
    bool setJobTitle(const QString &title) override { return record("setJobTitle", title); }
    bool setFontName(const QString &face) override { return record("setFontName", face); }
    bool setFontSize(float points) override { m_fontSize = points; return record("setFontSize", points); }
    bool setFontBold(bool bold) override { return record("setFontBold", int(bold)); }
    bool setFontItalic(bool italic) override { return record("setFontItalic", int(italic)); }
    bool setCurrentX(float x) override { m_x = x; return record("setCurrentX", x); }
    bool setCurrentY(float y) override { m_y = y; return record("setCurrentY", y); }
    bool textWidth(const QString &text, float &width) override
    {
        width = float(text.size());
        return record("textWidth", text);
    }
    bool printText(const QString &text) override
    {
        m_printed.append({text, m_x, m_y, m_fontSize});
        return record("printText", text);
    }
    bool endDocument() override
    {
        ++m_documentsEnded;
        return record("endDocument", QString());
    }

private:
    template<typename T>
    bool record(const char *name, const T &argument)
    {
        m_calls.append(QLatin1String(name) + QLatin1Char('(') + QVariant(argument).toString() + QLatin1Char(')'));
        return true;
    }
    bool known(int index) const { return index >= 0 && index < m_printers.size(); }

    QStringList m_printers;
    QStringList m_calls;
    QList<Printed> m_printed;
    int m_current = -1;
    int m_documentsEnded = 0;
    float m_x = 0;
    float m_y = 0;
    float m_fontSize = 0;
    QPointF m_offset;
};
