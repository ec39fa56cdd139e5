#pragma once

#include <QFocusFrame>

class QApplication;
class QPainter;
class QRect;
class QPalette;

/// The focus as the user must see it from across the desk: a frame two
/// pixels thick in the highlight colour, lined inside with the highlighted
/// text colour, so it shows on a light face, a dark one and the highlight.
class FocusFrame : public QFocusFrame
{
    Q_OBJECT

public:
    /// Around the widget given to setWidget(), while it has the focus.
    explicit FocusFrame(QWidget *parent);

    static void paint(QPainter &painter, const QRect &rect, const QPalette &palette);

    /// Wraps the application's style so that every control that draws its
    /// focus through the style draws this frame.
    static void installStyle(QApplication &app);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};
