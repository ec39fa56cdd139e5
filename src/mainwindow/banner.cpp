#include "banner.h"

#include "keyboarduse.h"
#include "twips.h"
#include "urlopener.h"
#include "widgetcolours.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace {

const int TextLeft = 45;
const int TextTop = 270;
const int TextWidth = 7300;
const int TextHeight = 255;

const int LoadInterval = 120;
const int CrawlInterval = 170;
const int RushInterval = 1;
const QColor Cyan(0, 255, 255);
const QColor Yellow(255, 255, 0);

void setTextColour(QLabel *label, const QColor &colour)
{
    // Most ticks keep the colour; a palette change would repaint for nothing.
    if (label->palette().color(QPalette::WindowText) != colour)
        WidgetColours::set(*label, {QPalette::WindowText}, colour);
}

} // namespace

Banner::Banner(UrlOpener &urls, const QRect &geometry, QWidget *parent)
    : QFrame(parent)
    , m_urls(urls)
    , m_scroll(TextTop, TextHeight, 0)
{
    setObjectName(QStringLiteral("Frame1"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setGeometry(geometry);

    // The banner's own background; the label scrolls across it.
    Shape2 = new QFrame(this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setGeometry(QRect(QPoint(2, 2), size() - QSize(4, 4)));
    Shape2->setAutoFillBackground(true);
    QPalette navy = Shape2->palette();
    navy.setColor(QPalette::Window, QColor(16, 32, 80));
    Shape2->setPalette(navy);

    TxtSpot = new QLabel(this);
    TxtSpot->setObjectName(QStringLiteral("TxtSpot"));
    TxtSpot->setGeometry(Twips::rect(TextLeft, TextTop, TextWidth, TextHeight));
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPointSizeF(9.75);
    verdana.setBold(true);
    TxtSpot->setFont(verdana);
    TxtSpot->setTextFormat(Qt::PlainText);
    TxtSpot->setAlignment(Qt::AlignCenter);
    setTextColour(TxtSpot, Cyan);
    TxtSpot->setCursor(Qt::PointingHandCursor);
    TxtSpot->installEventFilter(this);

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setGeometry(QRect(QPoint(0, 0), size()));
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);

    setAccessibleName(QStringLiteral("Altri programmi"));
    // From the keyboard the whole frame is the link to the text it shows.
    KeyboardUse::makeActivatable(*this, [this] { m_urls.open(m_spots.value(m_scroll.index()).Link); });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(LoadInterval);
    connect(Timer1, &QTimer::timeout, this, &Banner::step);
}

void Banner::InitSpot(const QList<SpotEntry> &spots)
{
    m_spots = spots;
    m_scroll = BannerScroll(m_scroll.top(), TextHeight, int(m_spots.size()));
    TxtSpot->setText(m_spots.value(0).Text);
    setAccessibleName(TxtSpot->text());
}

void Banner::step()
{
    const int shown = m_scroll.index();
    const bool crawl = m_scroll.step() == BannerScroll::Pace::Crawl;
    // Setting the same interval would restart the timer for nothing.
    const int interval = crawl ? CrawlInterval : RushInterval;
    if (Timer1->interval() != interval)
        Timer1->setInterval(interval);
    setTextColour(TxtSpot, crawl ? Cyan : Yellow);
    TxtSpot->move(TxtSpot->x(), Twips::toPixels(m_scroll.top()));
    if (m_scroll.index() != shown) {
        TxtSpot->setText(m_spots.value(m_scroll.index()).Text);
        // A screen reader on the banner hears the text it would open.
        setAccessibleName(TxtSpot->text());
    }
}

bool Banner::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == TxtSpot && event->type() == QEvent::MouseButtonRelease) {
        const auto mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && TxtSpot->rect().contains(mouse->position().toPoint()))
            m_urls.open(m_spots.value(m_scroll.index()).Link);
    }
    return QFrame::eventFilter(watched, event);
}
