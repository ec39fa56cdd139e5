#pragma once

#include <QList>
#include <QObject>

class DesignLabels;
class MessageBoxes;
class QLabel;
class QLineEdit;
class QWidget;

/// The current field's position in millimetres from the form's corner, in
/// two boxes under the calibration area: they follow the field as it
/// moves, and a position typed there (to a tenth of a millimetre, with
/// the comma or the dot) moves it when Enter is pressed or the box is left.
class PositionBoxes : public QObject
{
    Q_OBJECT

public:
    PositionBoxes(DesignLabels &labels, MessageBoxes &messages, QWidget &area);

    QLabel *caption() const { return m_caption; }
    QLineEdit *left() const { return m_left; }
    QLineEdit *top() const { return m_top; }
    /// Every control it has put on the area.
    QList<QWidget *> controls() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void backToField();
    void show();
    void take(QLineEdit *box);

    DesignLabels &m_labels;
    MessageBoxes &m_messages;
    QLabel *m_caption;
    QLabel *m_leftCaption;
    QLineEdit *m_left;
    QLabel *m_topCaption;
    QLineEdit *m_top;
    QLabel *m_unit;
};
