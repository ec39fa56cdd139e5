// Saves the pictures of the calibration window over a cheque's picture and
// of the print preview: a drawn cheque form at 300 dpi, loaded as a user
// would, and the preview of a cheque on the A4 sheet of the PDF output.
// Usage: calibrationshots WINDOW.png PREVIEW.png

#include "chequebackdrop.h"
#include "chequeprint.h"
#include "frmdesign.h"
#include "picturedecode.h"
#include "pagepreview.h"
#include "qtmessageboxes.h"
#include "recordingprintdevice.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace {
/// A blank cheque form as a scanner gives it: 180 x 80 mm at 300 dpi.
QImage chequeForm()
{
    const double dotsPerMm = 300 / 25.4;
    QImage form(int(180 * dotsPerMm), int(80 * dotsPerMm), QImage::Format_RGB32);
    form.fill(QColor(232, 244, 236));
    form.setDotsPerMeterX(11811);
    form.setDotsPerMeterY(11811);
    QPainter p(&form);
    p.scale(dotsPerMm, dotsPerMm); // millimetres from here on
    p.setPen(QPen(QColor(40, 90, 70), 0.25));
    QFont small(QStringLiteral("Liberation Sans"));
    small.setPointSizeF(0.6); // 7 pt on paper: a point is 300 / 72 units here
    p.setFont(small);
    const struct { double x, y, w; const char *caption; } lines[] = {
        {24, 10, 44, "luogo"}, {73, 10, 22, "data"}, {112, 10, 34, ""}, {36, 36, 136, "euro"},
        {38, 45, 134, "a"}, {38, 53, 80, "c/c n."}};
    for (const auto &l : lines) {
        p.drawLine(QPointF(l.x, l.y), QPointF(l.x + l.w, l.y));
        p.drawText(QPointF(l.x - 8, l.y - 0.5), QString::fromLatin1(l.caption));
    }
    p.drawRect(QRectF(108, 3, 62, 9));
    p.drawText(QPointF(104, 10), QStringLiteral("€"));
    QFont bank = small;
    bank.setPointSizeF(1.2);
    bank.setBold(true);
    p.setFont(bank);
    p.drawText(QPointF(105, 25), QStringLiteral("BANCA ROSSI"));
    return form;
}
} // namespace

int main(int argc, char **argv)
{
    // Loading the scan starts this program again to decode it.
    if (const int decoded = PictureDecode::runDecodeMode(argc, argv); decoded >= 0)
        return decoded;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: calibrationshots WINDOW.png PREVIEW.png\n");
        return 2;
    }
    QTemporaryDir dir;
    const QString scan = dir.filePath(QStringLiteral("assegno.png"));
    if (!chequeForm().save(scan))
        return 1;
    QtMessageBoxes messages;
    RecordingPrintDevice printer;
    frmDesign window(dir.path(), 1, QStringLiteral("Banca Rossi"), QStringLiteral("000123"), messages, printer);
    window.show();
    window.Backdrop->load(scan);
    while (window.Backdrop->isBusy()) {
        QThread::msleep(10);
        QApplication::processEvents();
    }
    if (!window.Backdrop->hasPicture())
        return 1;
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1])))
        return 1;

    const ChequeLayout layout{2.3f, 13.5f, {285, 1425}, {270, 4230}, {270, 6015}, {270, 8070},
                              {1740, 2100}, {2235, 2250}, 0, {2700, 2250}};
    const ChequeFields fields{QStringLiteral("Castelrovo"), QStringLiteral("05/12/2026"), QStringLiteral("1500,50"),
                              QStringLiteral("MILLECINQUECENTO/50"), QStringLiteral("BRENTOLA SNC"),
                              QStringLiteral("000123")};
    PagePreview preview(QString(), [&](PrintDevice &device) { return PrintChequePage(device, layout, fields); });
    preview.resize(900, 640);
    preview.show();
    QApplication::processEvents();
    return preview.grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
