#pragma once

#include "printdevice.h"

#include <QList>
#include <QStringList>
#include <QVariant>

/// A PrintDevice for tests: it draws nothing, keeps the state a printer
/// would (position, size, current printer) and records every call.
/// Texts are measured at 1 mm a character.
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

    /// Every call as "setFontSize(13)", "printText(#1 5 0 0,)".
    const QStringList &calls() const { return m_calls; }
    const QList<Printed> &printed() const { return m_printed; }
    int currentPrinter() const { return m_current; } ///< -1 until makeCurrent()
    int documentsEnded() const { return m_documentsEnded; }

    bool printerCount(int &count) override;
    bool printerName(int index, QString &deviceName) override;
    bool makeCurrent(int index) override;
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
    template<typename T>
    void record(const char *name, const T &argument)
    {
        m_calls.append(QLatin1String(name) + QLatin1Char('(') + QVariant(argument).toString() + QLatin1Char(')'));
    }

    QStringList m_printers;
    QStringList m_calls;
    QList<Printed> m_printed;
    int m_current = -1;
    int m_documentsEnded = 0;
    float m_x = 0;
    float m_y = 0;
    float m_fontSize = 0;
};
