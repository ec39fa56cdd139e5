// Mouse events go through the window system, as a real pointer's do, so a
// label keeps the mouse while its button is down.
#define QTEST_QPA_MOUSE_HANDLING

#include "defaultlayout.h"
#include "fakemessageboxes.h"
#include "frmdesign.h"
#include "recordingprintdevice.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using Answer = MessageBoxes::Answer;

namespace {

const QString Idle = "Tenere premuto SHIFT, cliccare e trascinare con il mouse per modificare le posizioni";
const QString Dragging = "Cliccare e trascinare con il mouse il campo da spostare";

/// A calibration window on a data folder of its own, holding \a layout as
/// the file of bank 4 (none when empty).
struct Calibration
{
    explicit Calibration(const QByteArray &layout = DefaultLayoutBytes)
    {
        if (QFile f(file()); !layout.isEmpty() && f.open(QIODevice::WriteOnly))
            f.write(layout);
        printer.setPrinters({QStringLiteral("Ufficio")});
        window = std::make_unique<frmDesign>(dir.path(), 4, "Banca Rossi", "000123", messages, printer);
        window->show();
    }
    QString file() const { return dir.filePath(QStringLiteral("Quendra4.ini")); }
    QByteArray bytes() const
    {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QPoint at(QLabel *label) const
    {
        const ChequeLayout p = window->positions();
        for (auto [l, f] : {std::pair{window->LUOGO, p.LUOGO}, {window->BENEFICIARIO, p.BENEFICIARIO},
                            {window->IMPORTO_DEC, p.IMPORTO_DEC}})
            if (l == label)
                return QPoint(int(f.left), int(f.top));
        return {};
    }
    QColor hintColour() const { return window->MsgLabel->palette().color(QPalette::WindowText); }

    QTemporaryDir dir;
    FakeMessageBoxes messages;
    RecordingPrintDevice printer;
    std::unique_ptr<frmDesign> window;
};

/// Drags \a label by \a steps (pixels, each from the press point), starting
/// with \a modifiers held; the button is released at the end.
void drag(frmDesign &w, QLabel *label, Qt::KeyboardModifiers modifiers, const QList<QPoint> &steps,
          bool releaseShift = false)
{
    const QPoint press = label->mapTo(&w, QPoint(5, 5));
    QTest::mousePress(label, Qt::LeftButton, modifiers, QPoint(5, 5));
    if (releaseShift)
        QTest::keyRelease(&w, Qt::Key_Shift);
    for (const QPoint &step : steps)
        QTest::mouseMove(&w, press + step);
    QTest::mouseRelease(&w, Qt::LeftButton, {}, press + steps.last());
}

} // namespace

class tst_frmDesign : public QObject
{
    Q_OBJECT

private slots:
    void opensOnTheBanksLayout();
    void drag_data();
    void drag();
    void hintFollowsModifiers_data();
    void hintFollowsModifiers();
    void saveWritesWhatTheWindowShows();
    void resetta_data();
    void resetta();
    void failedSaveKeepsPositions();
};

void tst_frmDesign::opensOnTheBanksLayout()
{
    Calibration c("Roma\r\n2.3\r\n 13,5 \r\n285\r\n1425\r\n270\r\n4230\r\n270\r\n6015\r\n270\r\nx\r\n"
                  "1740\r\n2100\r\n2235\r\n2250\r\n0\r\n000123\r\n2700\r\n2250\r\n");
    frmDesign &w = *c.window;
    QCOMPARE(w.windowTitle(), "Calibrazione assegno Banca Rossi 000123");
    QCOMPARE(w.size(), QSize(585, 315));
    QCOMPARE(w.SXmargin->text(), "2.3");
    QCOMPARE(w.DXmargin->text(), " 13,5 ");
    QCOMPARE(w.LUOGO->geometry(), QRect(95, 19, 142, 17));
    // "x" is no number: the decimals keep their designed Left of 8280.
    QCOMPARE(w.IMPORTO_DEC->pos(), QPoint(552, 18));
    QCOMPARE(w.MsgLabel->text(), Idle);
    QVERIFY(!w.PrintComma->isChecked());
    QCOMPARE(w.IMPORTO_CIFRE->text(), "IMPORTO");
    w.PrintComma->click();
    QCOMPARE(w.IMPORTO_CIFRE->text(), "IMPORTO ,");

    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.SXmargin->setFocus();
    QStringList order;
    for (int i = 0; i < 6; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, (QStringList{"SXmargin", "DXmargin", "PrintComma", "StampaTest", "SalvaPos", "Resetta"}));
}

void tst_frmDesign::drag_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("releaseShift");
    QTest::addColumn<QList<QPoint>>("steps");
    QTest::addColumn<QPoint>("expected"); // BENEFICIARIO's Left, Top in twips, from 2250, 2235

    QTest::newRow("SHIFT: 20, 10 px are 300, 150 twips")
        << Qt::KeyboardModifiers(Qt::ShiftModifier) << false << QList<QPoint>{{20, 10}} << QPoint(2550, 2385);
    QTest::newRow("CTRL") << Qt::KeyboardModifiers(Qt::ControlModifier) << false << QList<QPoint>{{-7, 3}}
                          << QPoint(2145, 2280);
    QTest::newRow("ALT") << Qt::KeyboardModifiers(Qt::AltModifier) << false << QList<QPoint>{{1, -1}}
                         << QPoint(2265, 2220);
    QTest::newRow("several moves add up") << Qt::KeyboardModifiers(Qt::ShiftModifier) << false
                                          << QList<QPoint>{{5, 0}, {40, 30}, {12, -4}} << QPoint(2430, 2175);
    QTest::newRow("SHIFT let go mid-drag") << Qt::KeyboardModifiers(Qt::ShiftModifier) << true
                                           << QList<QPoint>{{20, 10}} << QPoint(2550, 2385);
    QTest::newRow("stops at Left 0, Top 0") << Qt::KeyboardModifiers(Qt::ShiftModifier) << false
                                            << QList<QPoint>{{-400, -300}} << QPoint(0, 0);
    QTest::newRow("no modifier: no move") << Qt::KeyboardModifiers() << false << QList<QPoint>{{20, 10}}
                                          << QPoint(2250, 2235);
}

void tst_frmDesign::drag()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, releaseShift);
    QFETCH(QList<QPoint>, steps);
    QFETCH(QPoint, expected);

    Calibration c;
    frmDesign &w = *c.window;
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    ::drag(w, w.BENEFICIARIO, modifiers, steps, releaseShift);
    QCOMPARE(c.at(w.BENEFICIARIO), expected);
    QCOMPARE(w.BENEFICIARIO->pos(), expected / 15);
    QCOMPARE(c.hintColour(), modifiers ? QColor(64, 64, 64) : QColor(255, 0, 0));

    // The button is up: moving over the label no longer drags it, and the
    // bare area calms the hint.
    QTest::mouseMove(&w, w.BENEFICIARIO->geometry().center() + QPoint(3, 2));
    QCOMPARE(c.at(w.BENEFICIARIO), expected);
    QTest::mouseMove(&w, QPoint(580, 100));
    QCOMPARE(c.hintColour(), QColor(64, 64, 64));
}

void tst_frmDesign::hintFollowsModifiers_data()
{
    QTest::addColumn<QString>("focus");
    QTest::newRow("origin box") << "DXmargin";
    QTest::newRow("check box") << "PrintComma";
    QTest::newRow("button") << "Resetta";
}

void tst_frmDesign::hintFollowsModifiers()
{
    QFETCH(QString, focus);
    Calibration c;
    frmDesign &w = *c.window;
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto control = w.findChild<QWidget *>(focus);
    control->setFocus();
    QTest::keyPress(control, Qt::Key_Shift, Qt::ShiftModifier);
    QCOMPARE(w.MsgLabel->text(), Dragging);
    QTest::keyRelease(control, Qt::Key_Shift);
    QCOMPARE(w.MsgLabel->text(), Idle);
    QTest::keyPress(control, Qt::Key_Alt, Qt::AltModifier);
    QCOMPARE(w.MsgLabel->text(), Dragging);
    QTest::keyRelease(control, Qt::Key_Alt);
    QTest::keyPress(control, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(w.MsgLabel->text(), Dragging);
    QTest::keyRelease(control, Qt::Key_Home);
    QCOMPARE(w.MsgLabel->text(), Idle);
}

void tst_frmDesign::saveWritesWhatTheWindowShows()
{
    Calibration c("Roma\r\n2.3\r\n 13,5 \r\n285\r\n1425\r\n270\r\n4230\r\n270\r\n6015\r\n270\r\n8070\r\n"
                  "1740\r\n2100\r\n2235\r\n2250\r\n1\r\n000123\r\n2700\r\n2250\r\n");
    c.messages.answers = {Answer::No};
    c.window->SalvaPos->click();
    QCOMPARE(c.messages.asked, (QList<MessageBoxes::Request>{{"Salvare le posizioni attuali Banca Rossi?", "ATTENZIONE",
                                                              MessageBoxes::Icon::Question,
                                                              MessageBoxes::Buttons::YesNo, Answer::No}}));
    QVERIFY(c.bytes().startsWith("Roma\r\n"));

    c.messages.answers = {Answer::Yes};
    c.window->SalvaPos->click();
    QCOMPARE(c.bytes(), QByteArray("\r\n2.3\r\n 13,5 \r\n 285 \r\n 1425 \r\n 270 \r\n 4230 \r\n 270 \r\n 6015 \r\n"
                                   " 270 \r\n 8070 \r\n 1740 \r\n 2100 \r\n 2235 \r\n 2250 \r\n 1 \r\n\r\n"
                                   " 2700 \r\n 2250 \r\n"));
    QCOMPARE(c.messages.asked.size(), 2);
}

void tst_frmDesign::resetta_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QPoint>("expected");
    QTest::addColumn<bool>("ticked");
    QTest::newRow("Yes: as saved") << Answer::Yes << QPoint(1425, 285) << true;
    QTest::newRow("No: as moved") << Answer::No << QPoint(1725, 435) << false;
}

void tst_frmDesign::resetta()
{
    QFETCH(Answer, answer);
    QFETCH(QPoint, expected);
    QFETCH(bool, ticked);
    Calibration c;
    frmDesign &w = *c.window;
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    ::drag(w, w.LUOGO, Qt::ShiftModifier, {{20, 10}});
    w.PrintComma->click();
    w.SXmargin->setText("9");
    c.messages.answers = {answer};
    w.Resetta->click();
    QCOMPARE(c.messages.asked.last(),
             (MessageBoxes::Request{"Ripristinare le posizioni di tutti i campi Banca Rossi?", "ATTENZIONE",
                                    MessageBoxes::Icon::Critical, MessageBoxes::Buttons::YesNo, Answer::No}));
    QCOMPARE(c.at(w.LUOGO), expected);
    QCOMPARE(w.PrintComma->isChecked(), ticked);
    QCOMPARE(w.SXmargin->text(), ticked ? "2,3" : "9");
}

void tst_frmDesign::failedSaveKeepsPositions()
{
    Calibration c;
    frmDesign &w = *c.window;
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    ::drag(w, w.IMPORTO_DEC, Qt::ShiftModifier, {{-2, 0}});
    // A folder where the file should be cannot be replaced, whoever runs this.
    QVERIFY(QFile::remove(c.file()) && QDir().mkdir(c.file()));
    c.messages.answers = {Answer::Yes};
    w.SalvaPos->click();
    QCOMPARE(c.messages.asked.size(), 2);
    const MessageBoxes::Request told = c.messages.asked.last();
    QVERIFY2(told.text.startsWith("Impossibile salvare le impostazioni nel file " + QDir::toNativeSeparators(c.file())),
             qPrintable(told.text));
    QCOMPARE(told.icon, MessageBoxes::Icon::Critical);
    QCOMPARE(c.at(w.IMPORTO_DEC), QPoint(8040, 270));

    // Once the way is clear the same positions save.
    QVERIFY(QDir().rmdir(c.file()));
    c.messages.answers = {Answer::Yes};
    w.SalvaPos->click();
    QCOMPARE(c.messages.asked.size(), 3);
    QVERIFY(c.bytes().contains("\r\n 270 \r\n 8040 \r\n"));
}

QTEST_MAIN(tst_frmDesign)
#include "tst_frmdesign.moc"
