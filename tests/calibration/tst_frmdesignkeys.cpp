// The calibration window from the keyboard, its undo, what closing it asks,
// and the window enlarged over a whole form.

// Mouse events go through the window system, as a real pointer's do.
#define QTEST_QPA_MOUSE_HANDLING

#include "calibrationfixture.h"
#include "chequebackdrop.h"
#include "decodermain.h"
#include "picturealigndialog.h"
#include "positionboxes.h"
#include "recordingprintdevice.h"

namespace {

void type(QWidget *w, const QString &keys)
{
    for (const QString &k : keys.split(' ', Qt::SkipEmptyParts)) {
        if (k.startsWith('"')) {
            QTest::keyClicks(QApplication::focusWidget(), k.mid(1, k.size() - 2));
            continue;
        }
        const QKeyCombination key = QKeySequence::fromString(k)[0];
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, key.key(),
                        key.keyboardModifiers());
    }
}

} // namespace

class tst_frmDesignKeys : public QObject
{
    Q_OBJECT

private slots:
    void keyboard_data()
    {
        QTest::addColumn<QString>("from"); // the field with the focus first
        QTest::addColumn<QString>("keys"); // "text" is typed
        QTest::addColumn<QString>("field");
        QTest::addColumn<QPoint>("expected"); // Left, Top in twips
        QTest::addColumn<int>("notices");

        // The file puts LUOGO at 1425, 285; BENEFICIARIO and NUMEROcc, 5775
        // twips wide, at 2250, 2235 and 2250, 2700; the paper is 16838 wide.
        QTest::newRow("plain arrows: a pixel") << "LUOGO" << "Right Down" << "LUOGO" << QPoint(1440, 300) << 0;
        QTest::newRow("CTRL+SHIFT: a millimetre") << "LUOGO" << "Ctrl+Shift+Left" << "LUOGO" << QPoint(1368, 285) << 0;
        QTest::newRow("Tab on: the sixth field moves")
            << "LUOGO" << "Tab Tab Tab Tab Tab Up" << "BENEFICIARIO" << QPoint(2250, 2220) << 0;
        QTest::newRow("typed left, tenths of a millimetre")
            << "BENEFICIARIO" << "Return \"50,3\" Return" << "BENEFICIARIO" << QPoint(2852, 2235) << 0;
        QTest::newRow("typed top with a dot, back on the field")
            << "BENEFICIARIO" << "Return Tab \"12.5\" Return Left" << "BENEFICIARIO" << QPoint(2235, 709) << 0;
        QTest::newRow("Esc leaves the field where it was")
            << "BENEFICIARIO" << "Return \"50\" Escape Right" << "BENEFICIARIO" << QPoint(2265, 2235) << 0;
        QTest::newRow("typed past the paper: at its edge")
            << "BENEFICIARIO" << "Return \"400\" Return" << "BENEFICIARIO" << QPoint(11063, 2235) << 0;
        QTest::newRow("a negative position refused and told")
            << "BENEFICIARIO" << "Return \"-5\" Return" << "BENEFICIARIO" << QPoint(2250, 2235) << 1;
        QTest::newRow("arrows stop at the paper's edge")
            << "NUMEROcc" << "Return \"195\" Return Ctrl+Shift+Right Right" << "NUMEROcc" << QPoint(11063, 2700) << 0;
    }

    void keyboard()
    {
        QFETCH(QString, from);
        QFETCH(QString, keys);
        QFETCH(QString, field);
        QFETCH(QPoint, expected);
        QFETCH(int, notices);
        Calibration c(m_printer);
        c.w->findChild<QWidget *>(from)->setFocus(Qt::TabFocusReason);
        type(c.w.get(), keys);
        const QLabel *label = c.w->findChild<QLabel *>(field);
        QCOMPARE(label->pos(), expected / 15);
        const ChequeLayout shown = c.w->positions();
        const FieldPosition at = field == "LUOGO" ? shown.LUOGO : field == "NUMEROcc" ? shown.NUMEROcc : shown.BENEFICIARIO;
        QCOMPARE(twips(at), expected);
        QCOMPARE(c.messages.asked.size(), notices);
        // The boxes show the field's position again, in millimetres.
        QCOMPARE(c.w->Position->left()->text(), QString::number(expected.x() * 25.4 / 1440, 'f', 1).replace('.', ','));
    }

    void menuKeys_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("opened"); // the first entry of the menu that opened

        QTest::newRow("SHIFT+F10 on a field") << "LUOGO" << "Shift+F10" << "Carica l'immagine dell'assegno…";
        QTest::newRow("the menu key on a button") << "SalvaPos" << "Menu" << "Carica l'immagine dell'assegno…";
        QTest::newRow("a text box keeps its own menu") << "SXmargin" << "Shift+F10" << "&Undo"; // Qt's own, untranslated here
    }

    void menuKeys()
    {
        QFETCH(QString, focus);
        QFETCH(QString, keys);
        QFETCH(QString, opened);
        Calibration c(m_printer);
        c.w->findChild<QWidget *>(focus)->setFocus();
        QString seen;
        QTimer::singleShot(100, [&seen] {
            if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                seen = menu->actions().constFirst()->text();
                menu->close();
            }
        });
        type(c.w.get(), keys);
        QTRY_VERIFY(!seen.isEmpty());
        QCOMPARE(seen, opened);
    }

    void alignDialog()
    {
        PictureAlignDialog dialog({1.5, -2, 90, 0}, true, nullptr);
        QCOMPARE(dialog.right->text(), "1,5 mm"); // the comma, whatever the machine's language
        QCOMPARE(dialog.width->text(), "come nel file");
        dialog.down->selectAll();
        QTest::keyClicks(dialog.down, "3,25");
        dialog.turn->setCurrentIndex(3);
        dialog.width->setValue(180);
        QCOMPARE(dialog.alignment(), PictureAlignment({1.5, 3.2, 270, 180}));
    }

    void undoAndRedo()
    {
        Calibration c(m_printer);
        c.drag(c.w->IMPORTO_DEC, {-2, 0});
        c.w->PrintComma->click();
        c.w->SXmargin->setFocus();
        c.w->SXmargin->selectAll();
        QTest::keyClicks(c.w->SXmargin, "4,5");
        c.w->LUOGO->setFocus(); // the box is left: the origin counts as typed
        QTest::keyClick(c.w->LUOGO, Qt::Key_Right);
        QVERIFY(!c.w->isSaved());
        const auto shown = [&c] {
            return QString("%1 %2 %3 %4").arg(c.w->IMPORTO_DEC->x()).arg(c.w->PrintComma->isChecked())
                .arg(c.w->SXmargin->text()).arg(c.w->LUOGO->x());
        };
        QCOMPARE(shown(), "536 0 4,5 96");
        QStringList steps;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(c.w->LUOGO, Qt::Key_Z, Qt::ControlModifier);
            steps << shown();
        }
        QCOMPARE(steps, QStringList({"536 0 4,5 95", "536 0 2,3 95", "536 1 2,3 95", "538 1 2,3 95", "538 1 2,3 95"}));
        QVERIFY(c.w->isSaved()); // all undone: nothing to ask at closing
        QTest::keyClick(c.w->LUOGO, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(c.w->LUOGO, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(shown(), "536 0 2,3 95");
        // A new change drops what could be redone.
        QTest::keyClick(c.w->LUOGO, Qt::Key_Down);
        QTest::keyClick(c.w->LUOGO, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(shown(), "536 0 2,3 95");
        QCOMPARE(c.w->LUOGO->y(), 20);
    }

    void closing_data()
    {
        QTest::addColumn<bool>("moved");
        QTest::addColumn<int>("answer"); // to "Salvare le modifiche…?"
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("written");

        QTest::newRow("nothing changed: no question") << false << -1 << true << true << false;
        QTest::newRow("Sì: saved, then closed") << true << int(Answer::Yes) << true << true << true;
        QTest::newRow("No: closed, nothing written") << true << int(Answer::No) << true << true << false;
        QTest::newRow("Annulla: stays open") << true << int(Answer::Cancel) << true << false << false;
        QTest::newRow("Sì but the save fails: stays open") << true << int(Answer::Yes) << false << false << false;
    }

    void closing()
    {
        QFETCH(bool, moved);
        QFETCH(int, answer);
        QFETCH(bool, writable);
        QFETCH(bool, closed);
        QFETCH(bool, written);
        Calibration c(m_printer);
        if (moved)
            c.drag(c.w->IMPORTO_DEC, {-2, 0});
        if (!writable)
            QVERIFY(QFile::remove(c.file()) && QDir().mkdir(c.file()));
        if (answer >= 0)
            c.messages.answers = {Answer(answer)};
        c.w->close();
        QCOMPARE(c.w->isVisible(), !closed);
        if (answer < 0) {
            QVERIFY(c.messages.asked.isEmpty());
        } else {
            const MessageBoxes::Request asked = c.messages.asked.constFirst();
            QCOMPARE(asked.text, "Salvare le modifiche alla calibrazione Banca Rossi prima di chiudere?");
            QCOMPARE(asked.buttons, MessageBoxes::Buttons::YesNoCancel);
        }
        if (writable)
            QCOMPARE(c.bytes() != DefaultLayoutBytes, written);
    }

    // A 600 dpi A4 scan with a line 170 mm from its left edge: at 96 pixels
    // an inch the line is at 642 pixels, which the window shows once enlarged.
    void wholeFormInAnEnlargedWindow()
    {
        constexpr int Dpi = 600;
        QImage scan(qRound(210 / 25.4 * Dpi), qRound(297 / 25.4 * Dpi), QImage::Format_Grayscale8);
        scan.fill(Qt::white);
        const int line = qRound(170 / 25.4 * Dpi);
        for (int y = 0; y < 600; ++y)
            std::fill_n(scan.scanLine(y) + line - 3, 6, 0);
        scan.setDotsPerMeterX(qRound(Dpi / 0.0254));
        scan.setDotsPerMeterY(qRound(Dpi / 0.0254));
        Calibration c(m_printer);
        const QString file = c.dir.filePath("scan.png");
        QVERIFY(scan.save(file));
        c.w->Backdrop->load(file);
        QTRY_VERIFY_WITH_TIMEOUT(c.w->Backdrop->hasPicture(), 10000);
        c.messages.answers = {Answer::Yes};
        c.w->SalvaPos->click();
        QTRY_VERIFY(c.w->isSaved());
        // Kept for the bank, it opens with the window, and nothing is said.
        c.messages.asked.clear();
        c.w = std::make_unique<frmDesign>(c.dir.path(), 4, "Banca Rossi", "000123", c.messages, m_printer);
        c.w->show();
        QVERIFY(QTest::qWaitForWindowExposed(c.w.get()));
        QVERIFY(c.w->Backdrop->hasPicture());
        QVERIFY(c.messages.asked.isEmpty());

        const QPoint buttonFromCorner = c.w->rect().bottomRight() - c.w->Resetta->geometry().bottomRight();
        const int hintFromBottom = c.w->height() - c.w->MsgLabel->y();
        c.w->resize(1200, 700);
        QCOMPARE(c.w->rect().bottomRight() - c.w->Resetta->geometry().bottomRight(), buttonFromCorner);
        QCOMPARE(c.w->height() - c.w->MsgLabel->y(), hintFromBottom);
        QCOMPARE(c.w->Frame1->x(), 3);
        QCOMPARE(c.w->LUOGO->pos(), QPoint(95, 19)); // the fields stay where they print
        const QImage seen = c.w->grab().toImage().convertToFormat(QImage::Format_Grayscale8);
        QVERIFY(seen.pixelColor(642, 20).value() < 128);
        QVERIFY(seen.pixelColor(630, 20).value() > 200);
        // Dragged there, a field stays in view and on the paper.
        c.drag(c.w->IMPORTO_DEC, {600, 0});
        QCOMPARE(c.w->IMPORTO_DEC->x(), 1123 - 22);
    }

private:
    RecordingPrintDevice m_printer;
};

QUENDRA_TEST_MAIN_DECODING(tst_frmDesignKeys, QApplication)
#include "tst_frmdesignkeys.moc"
