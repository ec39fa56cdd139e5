#pragma once

#include <QWidget>

/// One header cell of the list control: a flat grey face with a raised edge
/// that looks pressed while the left button is held on it, and its column's
/// caption centred. A click does nothing else.
class HeaderCell : public QWidget
{
    Q_OBJECT

public:
    explicit HeaderCell(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    /// Takes effect at the next drawCell(), as a kept picture would.
    void setCaption(const QString &caption) { m_caption = caption; }

    bool isPressed() const { return m_pressed; }
    /// Repaints the cell with the raised or the pressed edge.
    void drawCell(bool pressed);
    /// Leaves the cell blank until the next drawCell().
    void clearCell();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_caption;
    QString m_drawnCaption;
    bool m_drawn = false;
    bool m_pressed = false;
};
