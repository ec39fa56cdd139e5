// Mouse events go through the window system, as a real pointer's do, so a
// label keeps the mouse while its button is down.
#define QTEST_QPA_MOUSE_HANDLING

#include "calibrationfixture.h"
#include "chequebackdrop.h"
#include "chequeprint.h"
#include "decodermain.h"
#include "layoutfile.h"
#include "qtprintdevice.h"
#include "recordingprintdevice.h"
#include "testprint.h"

class tst_frmDesign : public QObject
{
    Q_OBJECT

private slots:
    void opensOnTheBanksFile()
    {
        Calibration c(m_printer, Remembered);
        QCOMPARE(c.w->windowTitle(), "Calibrazione assegno Banca Rossi 000123");
        // A stored "2.3" comes in as the cheque's reader of the file will read it.
        QCOMPARE(QStringList({c.w->SXmargin->text(), c.w->DXmargin->text(), c.w->IMPORTO_CIFRE->text()}),
                 QStringList({"2,3", " 13,5 ", "IMPORTO"}));
        QCOMPARE(c.w->LUOGO->geometry(), QRect(95, 19, 142, 17));
        QCOMPARE(c.w->IMPORTO_DEC->pos(), QPoint(552, 18)); // "x" is no number: the designed Left 8280 stays
        c.w->PrintComma->click();
        QCOMPARE(c.w->IMPORTO_CIFRE->text(), "IMPORTO ,");

        // Tab order: the fields as printed, their position, then the rest;
        // the hint follows the modifiers whatever has the focus, and names
        // the keys while a field has it.
        QStringList seen;
        c.w->LUOGO->setFocus();
        for (int i = 0; i < 16; ++i) {
            QWidget *control = QApplication::focusWidget();
            QTest::keyPress(control, Qt::Key_Shift);
            const QString held = c.w->MsgLabel->text().left(8);
            QTest::keyRelease(control, Qt::Key_Shift);
            seen << control->objectName() + ' ' + held + ' ' + c.w->MsgLabel->text().left(6);
            QTest::keyClick(control, Qt::Key_Tab);
        }
        QCOMPARE(seen, QStringList({"LUOGO Cliccare Frecce", "GGMMAAAA Cliccare Frecce", "IMPORTO_CIFRE Cliccare Frecce",
                                    "IMPORTO_DEC Cliccare Frecce", "IMPORTO_ABC Cliccare Frecce",
                                    "BENEFICIARIO Cliccare Frecce", "NUMEROcc Cliccare Frecce", "PosX Cliccare Tenere",
                                    "PosY Cliccare Tenere", "SXmargin Cliccare Tenere", "DXmargin Cliccare Tenere",
                                    "PrintComma Cliccare Tenere", "StampaTest Cliccare Tenere",
                                    "SalvaPos Cliccare Tenere", "Resetta Cliccare Tenere", "LUOGO Cliccare Frecce"}));
    }

    void drag_data()
    {
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("letGoShift");
        QTest::addColumn<QPoint>("by"); // pixels
        QTest::addColumn<bool>("originBox"); // clicked before the keys
        QTest::addColumn<QString>("keys"); // typed after the drag
        QTest::addColumn<QPoint>("expected"); // BENEFICIARIO's Left, Top in twips, from 2250, 2235

        const int shift = Qt::ShiftModifier;
        QTest::newRow("SHIFT: 15 twips a pixel") << shift << false << QPoint(20, 10) << false << "" << QPoint(2550, 2385);
        QTest::newRow("CTRL") << int(Qt::ControlModifier) << false << QPoint(-7, 3) << false << "" << QPoint(2145, 2280);
        QTest::newRow("ALT") << int(Qt::AltModifier) << false << QPoint(1, -1) << false << "" << QPoint(2265, 2220);
        QTest::newRow("SHIFT let go mid-drag") << shift << true << QPoint(20, 10) << false << "" << QPoint(2550, 2385);
        QTest::newRow("stops at 0, 0") << shift << false << QPoint(-400, -300) << false << "" << QPoint(0, 0);
        QTest::newRow("no modifier: no drag, but the label is current")
            << 0 << false << QPoint(20, 10) << false << "Shift+Right" << QPoint(2265, 2235);
        QTest::newRow("SHIFT+Right: a pixel") << shift << false << QPoint() << false << "Shift+Right" << QPoint(2265, 2235);
        QTest::newRow("CTRL+SHIFT+Down: a millimetre")
            << shift << false << QPoint() << false << "Ctrl+Shift+Down" << QPoint(2250, 2292);
        QTest::newRow("CTRL+SHIFT+Left stops at 0")
            << shift << false << QPoint(-149, -100) << false << "Ctrl+Shift+Left" << QPoint(0, 735);
        QTest::newRow("origin box keeps SHIFT+arrow")
            << shift << false << QPoint() << true << "Shift+Left" << QPoint(2250, 2235);
    }

    void drag()
    {
        QFETCH(int, modifiers);
        QFETCH(bool, letGoShift);
        QFETCH(QPoint, by);
        QFETCH(bool, originBox);
        QFETCH(QString, keys);
        QFETCH(QPoint, expected);
        Calibration c(m_printer);
        c.w->SXmargin->setFocus();
        c.drag(c.w->BENEFICIARIO, by, modifiers, letGoShift);
        if (originBox)
            QTest::mouseClick(c.w->SXmargin, Qt::LeftButton);
        if (!keys.isEmpty()) {
            const QKeyCombination key = QKeySequence::fromString(keys)[0];
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        }
        QCOMPARE(twips(c.w->positions().BENEFICIARIO), expected);
        QCOMPARE(c.w->BENEFICIARIO->pos(), expected / 15);
        QCOMPARE(c.w->SXmargin->hasSelectedText(), originBox);
        QCOMPARE(c.hint(), modifiers ? QColor(64, 64, 64) : QColor(255, 0, 0));
        // Once the button is up a press without a modifier drags nothing; the
        // bare area calms the hint.
        c.drag(c.w->BENEFICIARIO, {5, 5}, 0);
        QTest::mouseMove(c.w.get(), QPoint(580, 100));
        QCOMPARE(twips(c.w->positions().BENEFICIARIO), expected);
        QCOMPARE(c.hint(), QColor(64, 64, 64));
    }

    void saveAndResetta_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QPoint>("luogo");
        QTest::newRow("SalvaPos Yes: lines 1 and 17 emptied")
            << "SalvaPos" << Answer::Yes
            << QByteArray("\r\n2,3\r\n 13,5 \r\n 585 \r\n 1725 \r\n 270 \r\n 4230 \r\n 270 \r\n 6015 \r\n 270 \r\n"
                          " 8280 \r\n 1740 \r\n 2100 \r\n 2235 \r\n 2250 \r\n 0 \r\n\r\n 2700 \r\n 2250 \r\n")
            << QPoint(1725, 585);
        QTest::newRow("SalvaPos No") << "SalvaPos" << Answer::No << Remembered << QPoint(1725, 585);
        QTest::newRow("Resetta Yes: as saved") << "Resetta" << Answer::Yes << Remembered << QPoint(1425, 285);
        QTest::newRow("Resetta No: as moved") << "Resetta" << Answer::No << Remembered << QPoint(1725, 585);
    }

    void saveAndResetta()
    {
        QFETCH(QString, button);
        QFETCH(Answer, answer);
        Calibration c(m_printer, Remembered);
        c.drag(c.w->LUOGO, {20, 20});
        c.messages.answers = {answer};
        c.w->findChild<QPushButton *>(button)->click();
        const bool save = button == "SalvaPos";
        QCOMPARE(c.messages.asked, QList<MessageBoxes::Request>(
                                       {{save ? "Salvare le posizioni attuali Banca Rossi?"
                                              : "Ripristinare le posizioni di tutti i campi Banca Rossi?",
                                         "ATTENZIONE", save ? MessageBoxes::Icon::Question : MessageBoxes::Icon::Critical,
                                         MessageBoxes::Buttons::YesNo, Answer::No}}));
        QTEST(c.bytes(), "file");
        QTEST(twips(c.w->positions().LUOGO), "luogo");
    }

    void originBoxes_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("stored"); // line 2 once saved; empty when refused
        QTest::addColumn<float>("printedAt"); // the place's left on the test page, mm
        QTest::newRow("a dot becomes the comma") << "2.3" << "2,3" << "2,3" << 48.1354f;
        QTest::newRow("a second comma, letters and inner blanks refused") << " 2,3,4 cm5" << " 2,34 " << " 2,34 "
                                                                           << 48.5354f;
        QTest::newRow("a sign only in front") << "-1-" << "-1" << "-1" << 15.1354f;
        QTest::newRow("no number: told, nothing saved or printed") << "-," << "-," << "" << 0.0f;
        QTest::newRow("off the paper: told, nothing saved or printed") << "30" << "30" << "" << 0.0f;
    }

    void originBoxes()
    {
        QFETCH(QString, keys);
        QFETCH(QString, stored);
        RecordingPrintDevice printer;
        printer.setPrinters({"PDF"});
        Calibration c(printer);
        c.w->SXmargin->clear();
        QTest::keyClicks(c.w->SXmargin, keys);
        QTEST(c.w->SXmargin->text(), "shown");
        QTimer::singleShot(50, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
        c.w->StampaTest->click();
        c.messages.answers = {Answer::Yes};
        c.w->SalvaPos->click();
        if (stored.isEmpty()) {
            QCOMPARE(c.messages.asked.constFirst().text,
                     keys == "30" ? "L'origine di stampa «Sinistra» cade fuori dal foglio: può essere al più di 29,7 cm."
                                  : "L'origine di stampa «Sinistra» deve essere un numero di centimetri, per esempio 2,3.");
            QCOMPARE(c.bytes(), DefaultLayoutBytes);
            QVERIFY(printer.printed().isEmpty());
            return;
        }
        QCOMPARE(c.bytes().split('\n').at(1), stored.toLatin1() + '\r');
        QTEST(printer.printed().constFirst().x, "printedAt");
        ChequeLayout saved;
        QString scratch;
        QVERIFY(LayoutFile::LoadLayout(c.file(), saved, scratch, scratch));
        QCOMPARE(saved.SXmargin * 10 + 1425 * 25.4f / 1440, printer.printed().constFirst().x);
    }

    void failedSaveKeepsPositions()
    {
        Calibration c(m_printer);
        c.drag(c.w->IMPORTO_DEC, {-2, 0});
        // A folder where the file should be cannot be replaced, whoever runs this.
        QVERIFY(QFile::remove(c.file()) && QDir().mkdir(c.file()));
        c.messages.answers = {Answer::Yes, Answer::Yes};
        c.w->SalvaPos->click();
        const QString told = c.messages.asked.last().text;
        QVERIFY2(told.startsWith("Impossibile salvare le impostazioni nel file " + QDir::toNativeSeparators(c.file())),
                 qPrintable(told));
        QVERIFY(QDir().rmdir(c.file()));
        c.w->SalvaPos->click();
        QVERIFY(c.bytes().contains("\r\n 270 \r\n 8040 \r\n"));
    }

    void sameSpotTwoRoads()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is missing: the printed page cannot be measured");
        QTemporaryDir dir;
        const QString testPdf = dir.filePath("test.pdf"), chequePdf = dir.filePath("cheque.pdf");
        QtPrintDevice testPrinter(testPdf), chequePrinter(chequePdf);
        Calibration c(testPrinter);
        c.drag(c.w->BENEFICIARIO, {20, 10});
        c.drag(c.w->IMPORTO_DEC, {20, 0});
        for (int key : {int(Qt::Key_Escape), 0}) { // Annulla, then the close box: neither prints
            QTimer::singleShot(50, [key] {
                QWidget *printers = QApplication::activeModalWidget();
                key ? QTest::keyClick(printers, Qt::Key(key)) : void(printers->close());
            });
            c.w->StampaTest->click();
            QVERIFY(!QFile::exists(testPdf));
        }
        // A PDF lists no printer, so OK cannot be pressed: the page the button would print.
        const QString date = ShortDate(QDate::currentDate());
        QVERIFY(PrintTestPage(testPrinter, c.w->SXmargin->text(), c.w->DXmargin->text(), c.w->positions(), date));
        c.messages.answers = {Answer::Yes};
        c.w->SalvaPos->click();

        ChequeLayout saved;
        QString scratch;
        QVERIFY(LayoutFile::LoadLayout(c.file(), saved, scratch, scratch));
        QVERIFY(PrintChequePage(chequePrinter, saved, {"Castelrovo", date, "1500", "MILLE", "BRENTOLA SNC", "000123"}));
        // Left, Top twips x 25,4 / 1440 + 23 and + 135 mm; the figures 32 mm
        // less the 14,02 mm of "1 5 0 0" at 13 pt right of theirs, and their
        // "5" after the 2,55 mm of "#" and the 3,82 mm of "1 ".
        const std::tuple<QString, QString, QPointF> fields[] = {
            {"Castelrovo", "Castelrovo", {48.1354, 140.0271}},                       // 1425, 285
            {date.section(' ', 0, 0), date.section(' ', 0, 0), {97.6125, 139.7625}}, // 4230, 270
            {"5", "5", {153.4484, 139.7625}},                                        // 6015, 270
            {"0", "0", {170.6375, 139.7625}},                                        // 8070 + 300, 270
            {"MILLECINQUECENTO/00", "MILLE###", {60.0417, 165.6917}},                // 2100, 1740
            {"BRENTOLA", "BRENTOLA", {67.9792, 177.0688}},                           // 2250 + 300, 2235 + 150
            {"(numero", "000123", {62.6875, 182.6250}},                              // 2250, 2700
        };
        for (const auto &[onTest, onCheque, at] : fields) {
            const QPointF a = wordAt(testPdf, onTest, at), b = wordAt(chequePdf, onCheque, at);
            QVERIFY2(QLineF(a, at).length() < 0.1 && QLineF(b, at).length() < 0.1 && QLineF(a, b).length() < 0.1,
                     qPrintable(QString("%1 at %2, %3 and %4, %5").arg(onTest).arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y())));
        }
    }

    void labelsOnTheirPrintedScan()
    {
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
            QSKIP("pdftoppm (poppler-utils) is missing: no scan can be made");
        QTemporaryDir dir;
        const QString pdf = dir.filePath("test.pdf"), png = dir.filePath("scan.png");
        Calibration c(m_printer);
        c.w->PrintComma->setChecked(false); // else the comma joins figures and decimals into one word
        {
            QtPrintDevice printer(pdf);
            QVERIFY(PrintTestPage(printer, "0", "0", c.w->positions(), "05/12/2026"));
        }
        QCOMPARE(QProcess::execute("pdftoppm", {"-r", "300", "-singlefile", "-png", pdf, png.chopped(4)}), 0);
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(png)});
        // Through the window system's side, as a file manager's drop comes.
        QDragEnterEvent enter(QPoint(580, 100), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(c.w->windowHandle(), &enter);
        QDropEvent drop(QPointF(580, 100), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(c.w->windowHandle(), &drop);
        QVERIFY(enter.isAccepted() && drop.isAccepted());
        // A4 across at 300 dpi is 3508 x 2480 pixels; the window shows 96 an inch.
        QTRY_VERIFY_WITH_TIMEOUT(!c.w->Backdrop->isBusy(), 15000);
        QCOMPARE(c.w->Backdrop->pictureArea().toRect(), QRect(0, 0, 1123, 794));
        const std::pair<QLabel *, QString> fields[] = {{c.w->LUOGO, "Castelrovo"}, {c.w->GGMMAAAA, "05/12/2026"},
                                                       {c.w->IMPORTO_DEC, "0"}, {c.w->IMPORTO_ABC, "MILLECINQUECENTO/00"},
                                                       {c.w->BENEFICIARIO, "BRENTOLA"}, {c.w->NUMEROcc, "(numero"}};
        for (const auto &field : fields)
            field.first->hide();
        const QImage seen = c.w->grab().toImage();
        for (const auto &[label, word] : fields) {
            // The printed line's top-left, in window pixels, is the label's.
            const QPointF at = wordAt(pdf, word, QPointF(label->pos()) * 25.4 / 96) * 96 / 25.4;
            QVERIFY2(QLineF(at, label->pos()).length() <= 1, qPrintable(word));
            // And the picture shows ink there.
            const QImage spot = seen.copy(label->x(), label->y(), 12, 12).convertToFormat(QImage::Format_Grayscale8);
            QVERIFY2(*std::min_element(spot.constBits(), spot.constBits() + spot.sizeInBytes()) < 128, qPrintable(word));
        }
        // Nothing is written before "Salva"; then the copy comes back with the
        // next calibration.
        QCOMPARE(c.bytes(), DefaultLayoutBytes);
        const QString kept = c.dir.filePath("Quendra4.png");
        QVERIFY(!QFile::exists(kept) && !c.w->isSaved());
        c.messages.answers = {Answer::Yes};
        c.w->SalvaPos->click();
        QTRY_VERIFY(QFile::exists(kept) && c.w->isSaved());
        c.w.reset();
        frmDesign again(c.dir.path(), 4, "Banca Rossi", "000123", c.messages, m_printer);
        QTRY_VERIFY_WITH_TIMEOUT(!again.Backdrop->isBusy(), 15000);
        QCOMPARE(again.Backdrop->pictureArea().toRect(), QRect(0, 0, 1123, 794)); // from the bank's own copy
        // Lined up: moved 10 mm right and 5 down, then turned; undone once,
        // saved, and back so at the next calibration.
        again.Backdrop->align({10, 5, 0, 0});
        again.Backdrop->align({10, 5, 90, 0});
        QCOMPARE(again.Backdrop->pictureArea().toRect(), QRect(38, 19, 794, 1123));
        again.undo();
        QCOMPARE(again.Backdrop->pictureArea().toRect(), QRect(38, 19, 1123, 794));
        c.messages.answers = {Answer::Yes};
        again.SalvaPos->click();
        QTRY_VERIFY(again.isSaved());
        QCOMPARE(bytesIn(c.dir.filePath("Quendra4.immagine.ini")), "10\r\n5\r\n0\r\n0\r\n");
        {
            frmDesign third(c.dir.path(), 4, "Banca Rossi", "000123", c.messages, m_printer);
            QCOMPARE(third.Backdrop->pictureArea().toRect(), QRect(38, 19, 1123, 794));
        }
        // Removing asks first, and the file goes only with the next save.
        c.messages.answers = {Answer::No};
        again.Backdrop->remove();
        QVERIFY(again.Backdrop->hasPicture());
        c.messages.answers = {Answer::Yes, Answer::Yes};
        again.Backdrop->remove();
        QVERIFY(!again.Backdrop->hasPicture() && QFile::exists(kept));
        again.SalvaPos->click();
        QVERIFY(!QFile::exists(kept) && !QFile::exists(c.dir.filePath("Quendra4.immagine.ini")));
        QTRY_VERIFY(again.isSaved());
        QCOMPARE(c.messages.asked.size(), 5);
        QCOMPARE(c.messages.asked.at(2).text, "Rimuovere l'immagine dell'assegno? Il file sarà eliminato al "
                                              "salvataggio delle impostazioni.");
    }

private:
    RecordingPrintDevice m_printer;
};

QUENDRA_TEST_MAIN_DECODING(tst_frmDesign, QApplication)
#include "tst_frmdesign.moc"
