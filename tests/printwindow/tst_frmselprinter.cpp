#include "fakemessageboxes.h"
#include "filebytes.h"
#include "frmselprinter.h"
#include "pdfwords.h"
#include "printeroffsets.h"
#include "qtprintdevice.h"
#include "recordingprintdevice.h"
#include "testprint.h"

#include <QtTest>
#include <QtPrintSupport>
#include <QtWidgets>

namespace {
const QString NoPrinter = QStringLiteral(
    "Non è installata alcuna stampante. Aggiungerne una dalle impostazioni del sistema "
    "(per esempio \"Impostazioni > Stampanti\") oppure dalla pagina web di CUPS, http://localhost:631, "
    "poi riaprire questa finestra.");

void retype(QLineEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

QStringList shown(const frmSelPrinter &window)
{
    return {window.findChild<QLineEdit *>("CorrezioneOrizzontale")->text(),
            window.findChild<QLineEdit *>("CorrezioneVerticale")->text()};
}
} // namespace

class tst_frmSelPrinter : public QObject
{
    Q_OBJECT

private slots:
    void closing_data()
    {
        QTest::addColumn<QStringList>("printers"); // the last one is current before
        QTest::addColumn<int>("row");              // clicked first; -1 for none
        QTest::addColumn<QString>("then");         // a key, or a click on the blank area or with Ctrl
        QTest::addColumn<QString>("how");          // a button, a key or the close box
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<int>("current");

        const QStringList three{"Zeta", "Alfa", "PDF"};
        QTest::newRow("OK takes the chosen one") << three << 1 << "" << "OK" << false << 1;
        QTest::newRow("Enter at once takes the first") << three << -1 << "" << "Return" << false << 0;
        QTest::newRow("equal names: the first of them")
            << QStringList{"Alfa", "Ufficio", "Ufficio"} << 2 << "" << "OK" << false << 1;
        QTest::newRow("blank area keeps the first") << three << -1 << "blank" << "OK" << false << 0;
        QTest::newRow("Ctrl+Space keeps the first") << three << -1 << "Ctrl+Space" << "OK" << false << 0;
        QTest::newRow("Ctrl+click keeps the chosen one") << three << 1 << "ctrl-click" << "OK" << false << 1;
        QTest::newRow("arrow down, then OK") << three << -1 << "Down" << "OK" << false << 1;
        QTest::newRow("Esc cancels") << three << 1 << "" << "Esc" << true << 2;
        QTest::newRow("close box cancels") << three << 1 << "" << "close" << true << 2;
        QTest::newRow("no printers: Annulla cancels") << QStringList() << -1 << "" << "Annulla" << true << -1;
    }

    void closing()
    {
        QFETCH(QStringList, printers);
        QFETCH(int, row);
        QFETCH(QString, then);
        QFETCH(QString, how);

        RecordingPrintDevice device;
        device.setPrinters(printers);
        device.makeCurrent(int(printers.size()) - 1);
        QTemporaryDir dir;
        FakeMessageBoxes messages;
        frmSelPrinter window(device, dir.path(), messages);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *list = window.findChild<QListWidget *>(QStringLiteral("LstPrn"));
        QStringList listed;
        for (int i = 0; i < list->count(); ++i)
            listed << list->item(i)->text();
        QCOMPARE(listed, printers);
        QCOMPARE(list->currentRow(), printers.isEmpty() ? -1 : 0);
        QCOMPARE(window.findChild<QPushButton *>(QStringLiteral("OK"))->isEnabled(), !printers.isEmpty());
        const auto *notice = window.findChild<QLabel *>(QStringLiteral("NessunaStampante"));
        QCOMPARE(notice && notice->isVisible() ? notice->text() : QString(),
                 printers.isEmpty() ? NoPrinter : QString());

        if (row >= 0)
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        const QKeyCombination key = QKeySequence::fromString(then)[0];
        if (then == QLatin1String("blank"))
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, list->viewport()->height() - 5));
        else if (then == QLatin1String("ctrl-click"))
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              list->visualItemRect(list->item(row)).center());
        else if (!then.isEmpty())
            QTest::keyClick(list, key.key(), key.keyboardModifiers());
        // Whatever was done, one printer stays highlighted: the one OK takes.
        QCOMPARE(list->selectedItems().size(), qsizetype(printers.isEmpty() ? 0 : 1));

        if (auto *button = window.findChild<QPushButton *>(how))
            QTest::mouseClick(button, Qt::LeftButton);
        else if (how == QLatin1String("close"))
            window.close();
        else
            QTest::keyClick(list, QKeySequence::fromString(how)[0].key());

        QTRY_VERIFY(!window.isVisible());
        QTEST(window.printCancelled(), "cancelled");
        QTEST(device.currentPrinter(), "current");
        QVERIFY(!QFile::exists(dir.filePath("Stampanti.ini"))); // no correction typed, none written
    }

    void corrections_data()
    {
        QTest::addColumn<QByteArray>("before"); // Stampanti.ini, "<missing>" for none
        QTest::addColumn<int>("row");           // of Zeta, Alfa, PDF
        QTest::addColumn<QString>("x");         // typed over the box; null: left alone
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QPoint>("offset"); // the device's correction after, in tenths

        const QByteArray none("<missing>"), zeta("Zeta|1,5|-2,0\r\n");
        QTest::newRow("typed, OK writes") << none << 0 << "1,5" << "-2,0" << "OK" << zeta << QPoint(15, -20);
        QTest::newRow("a dot is a comma") << none << 0 << "1.5" << "-2.0" << "OK" << zeta << QPoint(15, -20);
        QTest::newRow("Annulla writes nothing") << none << 0 << "1,5" << "-2,0" << "Annulla" << none << QPoint();
        QTest::newRow("unchanged: not rewritten") << QByteArray("Zeta|1.5|-2\r\n") << 0 << QString() << QString()
                                                  << "OK" << QByteArray("Zeta|1.5|-2\r\n") << QPoint(15, -20);
        QTest::newRow("another printer, the first kept")
            << zeta << 1 << "0,3" << QString() << "OK" << zeta + "Alfa|0,3|0,0\r\n" << QPoint(3, 0);
        QTest::newRow("emptied: no correction") << zeta << 0 << "" << "" << "OK" << QByteArray() << QPoint();
    }

    void corrections()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, row);
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(QString, how);
        QTemporaryDir dir;
        QVERIFY(before == "<missing>" || putBytes(dir.filePath("Stampanti.ini"), before));
        RecordingPrintDevice device;
        device.setPrinters({"Zeta", "Alfa", "PDF"});
        device.makeCurrent(2);
        FakeMessageBoxes messages;
        frmSelPrinter window(device, dir.path(), messages);
        window.show();
        auto *list = window.findChild<QListWidget *>("LstPrn");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        if (!x.isNull())
            retype(window.findChild<QLineEdit *>("CorrezioneOrizzontale"), x);
        if (!y.isNull())
            retype(window.findChild<QLineEdit *>("CorrezioneVerticale"), y);
        QTest::mouseClick(window.findChild<QPushButton *>(how), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QVERIFY(messages.asked.isEmpty());
        QTEST(bytesIn(dir.filePath("Stampanti.ini")), "after");
        QCOMPARE(device.currentPrinter(), how == "OK" ? row : 2);
        QTEST((device.offset() * 10).toPoint(), "offset");
    }

    void shownForTheSelectedPrinter()
    {
        QTemporaryDir dir;
        QVERIFY(putBytes(dir.filePath("Stampanti.ini"), "Zeta|1,5|-2,0\r\nAlfa|-0.5|0,7\r\n"));
        RecordingPrintDevice device;
        device.setPrinters({"Zeta", "Alfa", "PDF"});
        FakeMessageBoxes messages;
        frmSelPrinter window(device, dir.path(), messages);
        window.show();
        auto *list = window.findChild<QListWidget *>("LstPrn");
        QCOMPARE(shown(window), QStringList({"1,5", "-2,0"}));
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(shown(window), QStringList({"-0,5", "0,7"}));
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(shown(window), QStringList({"0,0", "0,0"}));
        retype(window.findChild<QLineEdit *>("CorrezioneOrizzontale"), "2");
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(shown(window), QStringList({"-0,5", "0,7"}));
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(shown(window), QStringList({"2,0", "0,0"}));
    }

    void notSaved_data()
    {
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("folder"); // "", "missing" or "unreadable" (Stampanti.ini a folder)
        QTest::addColumn<QString>("message"); // its start
        QTest::addColumn<int>("icon");

        const QString refused = "La correzione orizzontale deve essere un numero di millimetri da -20,0 a 20,0, "
                                "con al più un decimale, per esempio 1,5 oppure -0,5.";
        const int exclamation = int(MessageBoxes::Icon::Exclamation), critical = int(MessageBoxes::Icon::Critical);
        QTest::newRow("two decimals") << "1,55" << "" << refused << exclamation;
        QTest::newRow("a sign alone") << "-" << "" << refused << exclamation;
        QTest::newRow("no data folder") << "1,5" << "missing"
                                        << "Il file «%1» non è stato salvato: " << critical;
        QTest::newRow("file not readable") << "1,5" << "unreadable"
            << "Il file «%1» non è stato salvato: il file esistente non si è potuto leggere, e riscriverlo "
               "perderebbe le correzioni delle altre stampanti." << critical;
    }

    void notSaved()
    {
        QFETCH(QString, x);
        QFETCH(QString, folder);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString data = folder == "missing" ? dir.filePath("missing") : dir.path();
        const QString file = PrinterOffsets::fileName(data);
        QVERIFY(folder != "unreadable" || QDir(dir.path()).mkdir("Stampanti.ini"));
        RecordingPrintDevice device;
        device.setPrinters({"Zeta", "Alfa"});
        FakeMessageBoxes messages;
        frmSelPrinter window(device, data, messages);
        window.show();
        retype(window.findChild<QLineEdit *>("CorrezioneOrizzontale"), x);
        QTest::mouseClick(window.findChild<QPushButton *>("OK"), Qt::LeftButton);
        QCOMPARE(messages.asked.size(), 1);
        QVERIFY2(messages.asked[0].text.startsWith(folder.isEmpty() ? message : message.arg(QDir::toNativeSeparators(file))),
                 qPrintable(messages.asked[0].text));
        QTEST(int(messages.asked[0].icon), "icon");
        // Nothing printed, nothing lost: the window stays with what was typed.
        QVERIFY(window.isVisible());
        QCOMPARE(shown(window), QStringList({x, "0,0"}));
        QCOMPARE(device.currentPrinter(), -1);
        QCOMPARE(bytesIn(file), "<missing>"); // neither written nor, when a folder, replaced
    }

    void previewIsThePrintedPage_data()
    {
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::newRow("no correction") << "0" << "0";
        QTest::newRow("a correction typed") << "1,5" << "-2,0";
    }

    void previewIsThePrintedPage()
    {
        QFETCH(QString, x);
        QFETCH(QString, y);
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is missing: the pages cannot be measured");
        QTemporaryDir dir;
        const QString previewed = dir.filePath("preview.pdf"), printed = dir.filePath("printed.pdf");
        const ChequeLayout labels{0, 0, {285, 1425}, {270, 4230}, {270, 6015}, {270, 8070}, {1740, 2100}, {2235, 2250}, 0, {2700, 2250}};
        const auto testPage = [&](PrintDevice &device) { return PrintTestPage(device, "2,3", "13,5", labels, "05/12/2026"); };
        RecordingPrintDevice device;
        device.setPrinters({"Zeta", "Alfa"});
        FakeMessageBoxes messages;
        frmSelPrinter window(device, dir.path(), messages, testPage);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        retype(window.findChild<QLineEdit *>("CorrezioneOrizzontale"), x);
        retype(window.findChild<QLineEdit *>("CorrezioneVerticale"), y);
        int pages = 0;
        QTimer::singleShot(100, [&] {
            auto *preview = qobject_cast<PagePreview *>(QApplication::activeModalWidget());
            pages = preview->view()->pageCount();
            // The preview's own page, through its own printer, onto paper.
            preview->printer().setOutputFileName(previewed);
            preview->view()->print();
            QTest::mouseClick(preview->findChild<QPushButton *>("Chiudi"), Qt::LeftButton);
        });
        const QStringList callsBefore = device.calls();
        QTest::mouseClick(window.findChild<QPushButton *>("Anteprima"), Qt::LeftButton);
        QCOMPARE(pages, 1);
        QVERIFY(window.isVisible());
        QCOMPARE(device.calls(), callsBefore); // nothing printed, nothing chosen
        QtPrintDevice pdf(printed);
        pdf.setOffset(x.replace(',', '.').toFloat(), y.replace(',', '.').toFloat());
        QVERIFY(testPage(pdf));
        const QList<PdfWord> a = readPdfWords(previewed), b = readPdfWords(printed);
        QCOMPARE(QList<qsizetype>({a.size(), b.size()}), QList<qsizetype>({14, 14})); // the page and 13 words
        for (qsizetype i = 0; i < a.size(); ++i) {
            QCOMPARE(a[i].text, b[i].text);
            QVERIFY2(QLineF(a[i].box.topLeft(), b[i].box.topLeft()).length() < 0.1
                         && QLineF(a[i].box.bottomRight(), b[i].box.bottomRight()).length() < 0.1,
                     qPrintable(a[i].text));
        }
    }
};

QTEST_MAIN(tst_frmSelPrinter)
#include "tst_frmselprinter.moc"
