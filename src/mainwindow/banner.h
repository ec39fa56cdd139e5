#pragma once

#include "bannerscroll.h"
#include "vendor.h"

#include <QFrame>

class UrlOpener;
class QLabel;
class QTimer;

/// The main window's lower strip: promotional texts about the vendor's
/// other programs rise one after another through the frame, and a click
/// opens the page of the text being shown. The frame clips the text.
class Banner : public QFrame
{
    Q_OBJECT

public:
    /// geometry: in pixels, within the parent.
    Banner(UrlOpener &urls, const QRect &geometry, QWidget *parent);

    /// Takes the entries to show, makes the text's present place its home
    /// and shows the first entry.
    void InitSpot(const QList<SpotEntry> &spots);

    /// One tick of Timer1.
    void step();

    /// The text's top within the frame, in twips.
    int spotTop() const { return m_scroll.top(); }

    QFrame *Shape1;
    QFrame *Shape2;
    QLabel *TxtSpot;
    QTimer *Timer1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    UrlOpener &m_urls;
    QList<SpotEntry> m_spots;
    BannerScroll m_scroll;
};
