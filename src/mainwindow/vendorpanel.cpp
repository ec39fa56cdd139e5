#include "vendorpanel.h"

#include "keyboarduse.h"
#include "pictures.h"
#include "twips.h"
#include "urlopener.h"
#include "vendor.h"
#include "widgetcolours.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

QFont tahoma(qreal points)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(points);
    return font;
}

} // namespace

VendorPanel::VendorPanel(UrlOpener &urls, const QRect &geometry, QWidget *parent)
    : QLabel(parent)
    , m_urls(urls)
{
    setObjectName(QStringLiteral("brLOGO"));
    setGeometry(geometry);

    brRecapiti = new QLabel(this);
    brRecapiti->setObjectName(QStringLiteral("brRecapiti"));
    brRecapiti->setGeometry(Twips::rect(3600, 180, 1995, 405));
    brRecapiti->setFont(tahoma(6.75));
    brRecapiti->setTextFormat(Qt::PlainText);
    brRecapiti->setAutoFillBackground(true);
    QPalette white = brRecapiti->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    brRecapiti->setPalette(white);

    brURL = new QLabel(Vendor::webCaption(), this);
    brURL->setObjectName(QStringLiteral("brURL"));
    brURL->setGeometry(Twips::rect(3600, 585, 2415, 255));
    brURL->setFont(tahoma(6.75));
    // The address lies on the logo's gradient (Pictures::vendorLogo), about
    // this colour under its middle: its blue is made readable on that.
    WidgetColours::set(*brURL, {QPalette::Window}, QColor(60, 106, 174));
    WidgetColours::set(*brURL, {QPalette::WindowText}, Qt::blue);
    brURL->setCursor(Qt::PointingHandCursor);
    brURL->setAccessibleName(Vendor::webCaption());
    KeyboardUse::makeActivatable(*brURL, [this] { m_urls.open(Vendor::webAddress()); });

    // The highlight follows the mouse without a button held down.
    for (QWidget *w : {static_cast<QWidget *>(this), static_cast<QWidget *>(brRecapiti),
                       static_cast<QWidget *>(brURL)}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

void VendorPanel::highlightLink(bool over)
{
    QFont font = brURL->font();
    font.setPointSizeF(over ? 8 : 7);
    font.setUnderline(over);
    if (font != brURL->font())
        brURL->setFont(font);
}

void VendorPanel::paintEvent(QPaintEvent *)
{
    // Drawn at the first paint, not while the window is being built: its
    // lettering needs two more fonts, which would only delay the window.
    if (m_logo.isNull())
        m_logo = Pictures::vendorLogo(size());
    QPainter(this).drawPixmap(0, 0, m_logo);
}

bool VendorPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        highlightLink(watched == brURL);
        // Handled here, so the move does not reach the panel behind as well.
        return true;
    }
    if (watched == brURL && event->type() == QEvent::MouseButtonRelease) {
        const auto mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && brURL->rect().contains(mouse->position().toPoint()))
            m_urls.open(Vendor::webAddress());
    }
    return QLabel::eventFilter(watched, event);
}
