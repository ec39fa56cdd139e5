#pragma once

#include <QLabel>
#include <QPixmap>

class UrlOpener;

/// The vendor's logo with its postal address and web address; the web
/// address behaves as a link: it grows and is underlined under the mouse,
/// and a click opens it in the browser.
class VendorPanel : public QLabel
{
    Q_OBJECT

public:
    /// geometry: in pixels, within the parent.
    VendorPanel(UrlOpener &urls, const QRect &geometry, QWidget *parent);

    QLabel *brRecapiti;
    QLabel *brURL;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void highlightLink(bool over);

    UrlOpener &m_urls;
    QPixmap m_logo;
};
