#pragma once

#include "printdevice.h"

#include <QList>
#include <QSet>
#include <QStringList>

#include <functional>

/// A PrintDevice for tests: it draws nothing, records every call with its
/// argument, keeps the state a printer would (position, font, current
/// printer) and can be told to fail.
class RecordingPrintDevice final : public PrintDevice
{
public:
    enum class Op {
        PrinterCount,
        PrinterName,
        MakeCurrent,
        SetOrientation,
        SetUnit,
        SetFontName,
        SetFontSize,
        SetFontBold,
        SetFontItalic,
        SetCurrentX,
        SetCurrentY,
        TextWidth,
        PrintText,
        EndDocument,
    };

    /// One call as it was made. Numbers (index, code, size, position,
    /// bool as 0/1) go in \a number, texts in \a text.
    struct Call
    {
        Op op;
        double number = 0;
        QString text;
        bool succeeded = true;

        /// "setFontSize(13)", "printText(#1 5 0 0,)": for comparing call
        /// sequences in tests. Numbers are shown with six significant digits.
        QString toString() const;
    };

    /// One printText() that succeeded, with the state it was drawn in.
    struct Printed
    {
        QString text;
        float x = 0;
        float y = 0;
        QString fontName;
        float fontSize = 0;
        bool bold = false;
        bool italic = false;
        int document = 0; ///< how many documents had been ended before it
    };

    /// Width of \a text in millimetres at \a points.
    using WidthFunction = std::function<float(const QString &text, float points)>;

    RecordingPrintDevice();

    void setPrinters(const QStringList &deviceNames) { m_printers = deviceNames; }
    /// Replaces the default width of 1 mm per character.
    void setWidthFunction(WidthFunction width) { m_width = std::move(width); }
    /// Every later call of \a op fails (and changes nothing).
    void setFailing(Op op, bool fail = true);
    /// Every later call fails.
    void setFailingAll(bool fail = true) { m_failAll = fail; }

    const QList<Call> &calls() const { return m_calls; }
    /// calls() as toString() texts.
    QStringList callTexts() const;
    const QList<Printed> &printed() const { return m_printed; }
    /// -1 until makeCurrent() succeeds.
    int currentPrinter() const { return m_current; }
    int orientation() const { return m_orientation; }
    int documentsEnded() const { return m_documentsEnded; }
    void clearCalls() { m_calls.clear(); }

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
    bool record(Op op, double number = 0, const QString &text = QString());

    QStringList m_printers;
    WidthFunction m_width;
    QSet<Op> m_failing;
    bool m_failAll = false;

    QList<Call> m_calls;
    QList<Printed> m_printed;
    int m_current = -1;
    int m_documentsEnded = 0;
    int m_orientation = Portrait;
    QString m_fontName;
    float m_fontSize = 10;
    bool m_bold = false;
    bool m_italic = false;
    float m_x = 0;
    float m_y = 0;
};
