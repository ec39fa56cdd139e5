// Draws the program's icon at each size a desktop asks for, each drawn for
// its size rather than shrunk: the large ones as the scalable picture has
// it (the cheque askew, its lines, the signature, the pen), the middle ones
// upright on whole pixels with fewer lines, the smallest as a handful of
// crisp pixels. Writes OUTDIR/<n>x<n>/example.brentola.Quendra.png.
//
// Usage: iconshot OUTDIR

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

const QColor Green(0x4b, 0x7a, 0x3c);
const QColor PaleLine(0x7a, 0x9a, 0x6c);
const QColor Ink(0x1d, 0x3a, 0x72);
const QColor AmountBlue(0x2f, 0x5f, 0xb0);
const QColor Gold(0xd6, 0xb2, 0x4a);
const QColor Nib(0xe3, 0xc3, 0x5c);

QLinearGradient paper(qreal top, qreal bottom)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, QColor(0xf4, 0xfa, 0xef));
    g.setColorAt(1, QColor(0xd9, 0xec, 0xd0));
    return g;
}

QLinearGradient barrel(qreal left, qreal right)
{
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0, Ink);
    g.setColorAt(0.45, QColor(0x3f, 0x67, 0xb5));
    g.setColorAt(1, QColor(0x16, 0x29, 0x5a));
    return g;
}

// The full picture, in the scalable picture's 256-unit square.
void drawLarge(QPainter &p)
{
    p.save();
    p.translate(128, 128);
    p.rotate(-8);
    p.translate(-128, -128);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 46));
    p.drawRoundedRect(QRectF(18, 66, 228, 124), 8, 8);
    p.setPen(QPen(Green, 4));
    p.setBrush(paper(60, 184));
    p.drawRoundedRect(QRectF(14, 60, 228, 124), 8, 8);
    QPen dashed(Green, 3);
    dashed.setDashPattern({2, 5.0 / 3});
    p.setPen(dashed);
    p.drawLine(QPointF(14, 88), QPointF(242, 88));
    p.setPen(QPen(Green, 3));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(166, 98, 62, 24), 3, 3);
    p.setPen(QPen(AmountBlue, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(174, 110), QPointF(220, 110));
    p.setPen(QPen(PaleLine, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(28, 112), QPointF(154, 112));
    p.drawLine(QPointF(28, 134), QPointF(228, 134));
    p.drawLine(QPointF(28, 156), QPointF(138, 156));
    QPainterPath signature(QPointF(130, 164));
    signature.cubicTo(138, 146, 144, 146, 144, 160);
    signature.cubicTo(144, 174, 152, 170, 158, 156);
    signature.cubicTo(164, 150, 168, 150, 170, 160);
    signature.cubicTo(172, 170, 180, 162, 188, 154);
    p.setPen(QPen(Ink, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(signature);
    p.restore();

    p.save();
    p.translate(192, 149);
    p.rotate(25);
    p.setPen(Qt::NoPen);
    p.setBrush(barrel(-11, 11));
    p.drawRoundedRect(QRectF(-11, -115, 22, 87), 5, 5);
    p.setBrush(Gold);
    p.drawRect(QRectF(-11, -100, 22, 7));
    p.drawRoundedRect(QRectF(6, -120, 5, 46), 2.5, 2.5);
    p.setPen(QPen(QColor(0x8c, 0x6d, 0x1c), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Nib);
    p.drawPolygon(QPolygonF({QPointF(-11, -28), QPointF(11, -28), QPointF(0, 0)}));
    p.restore();
}

// Upright, on whole pixels of a \a n-pixel square: the frame, the amount's
// box and two lines; the pen a plain barrel and nib.
void drawMiddle(QPainter &p, int n)
{
    const qreal u = n / 32.0; // one pixel of the 32-pixel design
    const qreal line = n >= 32 ? 2 : 1.5;
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF cheque(1 * u + line / 2, 8 * u + line / 2, 30 * u - line, 16 * u - line);
    p.setPen(QPen(Green, line));
    p.setBrush(paper(cheque.top(), cheque.bottom()));
    p.drawRect(cheque);
    p.setPen(QPen(Green, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(21 * u + 0.5, 11 * u + 0.5, 7 * u, 4 * u));
    p.setPen(QPen(AmountBlue, line, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(22.5 * u, 13 * u + 0.5), QPointF(27 * u, 13 * u + 0.5));
    p.setPen(QPen(PaleLine, 1));
    p.drawLine(QPointF(4 * u, 14 * u + 0.5), QPointF(18 * u, 14 * u + 0.5));
    p.drawLine(QPointF(4 * u, 19 * u + 0.5), QPointF(17 * u, 19 * u + 0.5));
    // The pen, its nib on the signature's end.
    p.save();
    p.translate(22 * u, 23 * u);
    p.rotate(25);
    p.setPen(Qt::NoPen);
    p.setBrush(barrel(-2 * u, 2 * u));
    p.drawRect(QRectF(-2 * u, -17 * u, 4 * u, 12 * u));
    p.setBrush(Nib);
    p.drawPolygon(QPolygonF({QPointF(-2 * u, -5 * u), QPointF(2 * u, -5 * u), QPointF(0, 0)}));
    p.restore();
}

// Sixteen pixels: each one placed by hand, no smoothing.
void drawSmall(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(1, 4, 14, 8), paper(4, 12));
    p.setPen(Green);
    p.drawRect(QRect(0, 3, 15, 9));
    p.fillRect(QRect(7, 5, 4, 2), AmountBlue);
    p.setPen(PaleLine);
    p.drawLine(2, 9, 7, 9);
    // The pen: a steep barrel two pixels wide, its cap above the cheque, its
    // gold nib and dark point on the signature's line.
    p.fillRect(QRect(14, 0, 2, 2), Gold);
    for (int i = 0; i < 4; ++i)
        p.fillRect(QRect(13 - i, 2 + 2 * i, 2, 2), Ink);
    p.fillRect(QRect(9, 10, 2, 1), Nib);
    p.fillRect(QRect(9, 11, 1, 1), Ink);
}

QImage icon(int n)
{
    QImage image(n, n, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    if (n >= 48) {
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(n / 256.0, n / 256.0);
        drawLarge(p);
    } else if (n >= 24) {
        drawMiddle(p, n);
    } else {
        p.scale(n / 16.0, n / 16.0);
        drawSmall(p);
    }
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: iconshot OUTDIR\n");
        return 2;
    }
    for (int n : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2").arg(QString::fromLocal8Bit(argv[1])).arg(n);
        if (!QDir().mkpath(folder) || !icon(n).save(folder + QStringLiteral("/example.brentola.Quendra.png"))) {
            std::fprintf(stderr, "iconshot: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
