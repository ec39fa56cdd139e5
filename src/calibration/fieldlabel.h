#pragma once

#include <QLabel>

/// One cheque field on the calibration area: a label the user can drag,
/// reach with Tab and move with the arrows. It lets the cheque's picture
/// show through its background, and the current field (the one the arrows
/// and the position boxes work on) is drawn with a heavy frame, so it is
/// found at a glance.
class FieldLabel : public QLabel
{
    Q_OBJECT

public:
    FieldLabel(const QString &caption, const QColor &text, QWidget *area);

    bool isCurrent() const { return m_current; }
    void setCurrent(bool current);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_current = false;
};
