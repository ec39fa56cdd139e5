#pragma once

#include "printeroffsets.h"

#include <QWidget>

class MessageBoxes;
class QLineEdit;

/// The printer window's two boxes for the selected printer's correction,
/// in millimetres, over a copy of the corrections file: what is typed is
/// kept for that printer, and a printer chosen next shows its own.
class CorrectionBoxes : public QWidget
{
    Q_OBJECT

public:
    CorrectionBoxes(const PrinterOffsets &offsets, QWidget *parent = nullptr);

    /// Shows the correction of \a printer, and keeps what is typed for it.
    void showPrinter(const QString &printer);
    /// True when both boxes hold a correction; otherwise the user is told
    /// which box and what it takes, and it gets the focus.
    bool readable(MessageBoxes &messages);
    /// The shown printer's correction as the boxes hold it.
    PaperOffset shown() const { return m_offsets.of(m_printer); }
    /// Every printer's correction, as read and then typed.
    const PrinterOffsets &offsets() const { return m_offsets; }
    bool changed() const { return m_offsets != m_read; }

    QLineEdit *horizontal() const { return m_x; }
    QLineEdit *vertical() const { return m_y; }

private:
    void keepTyped();

    const PrinterOffsets m_read;
    PrinterOffsets m_offsets;
    QString m_printer;
    QLineEdit *m_x;
    QLineEdit *m_y;
    bool m_showing = false;
};
