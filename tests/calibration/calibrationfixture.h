#pragma once

// A calibration window on a data folder of its own, for the tests of the
// calibration window.

#include "defaultlayout.h"
#include "fakemessageboxes.h"
#include "filebytes.h"
#include "frmdesign.h"
#include "pdfwords.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

using Answer = MessageBoxes::Answer;

namespace {

const QByteArray Remembered = "Roma\r\n2.3\r\n 13,5 \r\n285\r\n1425\r\n270\r\n4230\r\n270\r\n6015\r\n270\r\nx\r\n"
                              "1740\r\n2100\r\n2235\r\n2250\r\n0\r\n000123\r\n2700\r\n2250\r\n";

/// A calibration window for bank 4 on a data folder of its own.
struct Calibration
{
    explicit Calibration(PrintDevice &printer, const QByteArray &layout = DefaultLayoutBytes)
    {
        putBytes(file(), layout);
        w = std::make_unique<frmDesign>(dir.path(), 4, "Banca Rossi", "000123", messages, printer);
        w->show();
        if (!QTest::qWaitForWindowActive(w.get()))
            qFatal("the calibration window never became active");
    }
    QString file() const { return dir.filePath("Quendra4.ini"); }
    QByteArray bytes() const { return bytesIn(file()); }
    QColor hint() const { return w->MsgLabel->palette().color(QPalette::WindowText); }

    /// Presses \a label with \a modifiers, moves \a by pixels in two steps, lets go.
    void drag(QLabel *label, QPoint by, int modifiers = Qt::ShiftModifier, bool letGoShift = false)
    {
        const QPoint press = label->mapTo(w.get(), QPoint(4, 4));
        QTest::mousePress(label, Qt::LeftButton, Qt::KeyboardModifiers(modifiers), QPoint(4, 4));
        if (letGoShift)
            QTest::keyRelease(w.get(), Qt::Key_Shift);
        QTest::mouseMove(w.get(), press + by / 2);
        QTest::mouseMove(w.get(), press + by);
        QTest::mouseRelease(w.get(), Qt::LeftButton, {}, press + by);
    }

    QTemporaryDir dir;
    FakeMessageBoxes messages;
    std::unique_ptr<frmDesign> w;
};

QPoint twips(const FieldPosition &p) { return QPoint(int(p.left), int(p.top)); }

/// The top-left corner, in mm, of the word \a text nearest to \a near.
[[maybe_unused]] QPointF wordAt(const QString &pdf, const QString &text, QPointF near)
{
    QPointF best(1e6, 1e6);
    for (const PdfWord &w : readPdfWords(pdf))
        best = w.text == text && QLineF(w.box.topLeft(), near).length() < QLineF(best, near).length() ? w.box.topLeft() : best;
    return best;
}
} // namespace
