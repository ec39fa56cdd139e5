#include "frmselprinter.h"
#include "pdfwords.h"
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
        frmSelPrinter window(device);
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
    }

    void previewIsThePrintedPage()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is missing: the pages cannot be measured");
        QTemporaryDir dir;
        const QString previewed = dir.filePath("preview.pdf"), printed = dir.filePath("printed.pdf");
        const ChequeLayout labels{0, 0, {285, 1425}, {270, 4230}, {270, 6015}, {270, 8070}, {1740, 2100}, {2235, 2250}, 0, {2700, 2250}};
        const auto testPage = [&](PrintDevice &device) { return PrintTestPage(device, "2,3", "13,5", labels, "05/12/2026"); };
        RecordingPrintDevice device;
        device.setPrinters({"Zeta", "Alfa"});
        frmSelPrinter window(device, testPage);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
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
