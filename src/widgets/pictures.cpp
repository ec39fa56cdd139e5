#include "pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

void printerPicture(QPainter &p)
{
    const QPen outline(QColor(40, 40, 40), 1.2);
    p.setPen(outline);
    // Paper going in at the back, the body, the cheque coming out in front.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 10));
    p.setBrush(QColor(90, 100, 115));
    p.drawRoundedRect(QRectF(3, 11, 26, 11), 2, 2);
    p.setBrush(QColor(60, 200, 90));
    p.drawEllipse(QPointF(25, 14.5), 1.3, 1.3);
    p.setBrush(QColor(255, 250, 220));
    p.drawRect(QRectF(8, 18, 16, 11));
    p.setPen(QPen(QColor(0, 0, 200), 1));
    p.drawLine(QPointF(10, 22), QPointF(22, 22));
    p.drawLine(QPointF(10, 25), QPointF(18, 25));
}

void deletePicture(QPainter &p)
{
    // A person's card with a red cross: "remove this payee".
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.setBrush(QColor(235, 240, 250));
    p.drawRoundedRect(QRectF(3, 6, 20, 20), 2, 2);
    p.setBrush(QColor(120, 130, 150));
    p.drawEllipse(QPointF(13, 13), 3.5, 3.5);
    p.drawChord(QRectF(6.5, 17, 13, 11), 0, 180 * 16);
    p.setPen(QPen(QColor(200, 20, 20), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 16), QPointF(28, 25));
    p.drawLine(QPointF(28, 16), QPointF(19, 25));
}

// A bank's front with a green plus (add) or a red cross (delete).
void bankPicture(QPainter &p, bool add)
{
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.setBrush(QColor(225, 220, 205));
    p.drawPolygon(QPolygonF({{2, 10}, {13, 3}, {24, 10}}));
    for (qreal x : {5.0, 11.5, 18.0})
        p.drawRect(QRectF(x, 12, 3, 11));
    p.drawRect(QRectF(2, 24, 22, 3));
    if (add) {
        p.setPen(QPen(QColor(20, 150, 40), 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(25, 15), QPointF(25, 29));
        p.drawLine(QPointF(18, 22), QPointF(32, 22));
    } else {
        p.setPen(QPen(QColor(200, 20, 20), 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(20, 17), QPointF(29, 26));
        p.drawLine(QPointF(29, 17), QPointF(20, 26));
    }
}

void registerPicture(QPainter &p)
{
    // A ledger: a bound book with ruled lines, the register of cheques.
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(QColor(150, 40, 40));
    p.drawRoundedRect(QRectF(5, 3, 22, 26), 2, 2);
    p.setBrush(QColor(255, 250, 220));
    p.drawRect(QRectF(9, 6, 16, 20));
    p.setPen(QPen(QColor(0, 0, 200), 1.6));
    for (double y : {11.0, 16.0, 21.0})
        p.drawLine(QPointF(11, y), QPointF(23, y));
}

void addBankPicture(QPainter &p) { bankPicture(p, true); }
void deleteBankPicture(QPainter &p) { bankPicture(p, false); }

// Each picture is drawn on a 32-unit square, scaled to every size of the
// icon, so it stays sharp at any device pixel ratio.
QIcon iconFrom(void (*draw)(QPainter &))
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 32.0, size / 32.0);
        draw(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void windowIconPicture(QPainter &p)
{
    p.setPen(QPen(QColor(30, 60, 120), 1.2));
    p.setBrush(QColor(250, 245, 225));
    p.drawRoundedRect(QRectF(1.5, 7, 29, 18), 2, 2);
    p.setPen(QPen(QColor(0, 0, 200), 1.4));
    p.drawLine(QPointF(5, 13), QPointF(20, 13));
    p.drawLine(QPointF(5, 17), QPointF(27, 17));
    p.setPen(QPen(QColor(192, 0, 0), 1.4));
    p.drawLine(QPointF(5, 21), QPointF(16, 21));
}

} // namespace

namespace Pictures {

QIcon printer() { return iconFrom(printerPicture); }
QIcon deleteEntry() { return iconFrom(deletePicture); }
QIcon windowIcon() { return iconFrom(windowIconPicture); }
QIcon addBank() { return iconFrom(addBankPicture); }
QIcon deleteBank() { return iconFrom(deleteBankPicture); }
QIcon registerBook() { return iconFrom(registerPicture); }

QPixmap vendorLogo(const QSize &size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, size.width(), 0);
    background.setColorAt(0, QColor(20, 50, 110));
    background.setColorAt(1, QColor(70, 120, 190));
    p.fillRect(pixmap.rect(), background);
    QFont font(QStringLiteral("Verdana"));
    font.setBold(true);
    font.setPixelSize(size.height() * 2 / 5);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(12, 0, size.width() / 2, size.height() * 2 / 3),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Brentola"));
    QFont small(QStringLiteral("Tahoma"));
    small.setPixelSize(qMax(8, size.height() / 6));
    p.setFont(small);
    p.setPen(QColor(200, 220, 255));
    p.drawText(QRect(14, size.height() * 3 / 5, size.width() / 2, size.height() / 3),
               Qt::AlignLeft | Qt::AlignTop, QStringLiteral("software per l'ufficio"));
    return pixmap;
}

} // namespace Pictures
