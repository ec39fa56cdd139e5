#include "frmselprinter.h"
#include "recordingprintdevice.h"

#include <QtTest>
#include <QtWidgets>

class tst_frmSelPrinter : public QObject
{
    Q_OBJECT

private slots:
    void closing_data();
    void closing();
};

void tst_frmSelPrinter::closing_data()
{
    QTest::addColumn<QStringList>("printers"); // the last one is current before
    QTest::addColumn<int>("row");              // clicked first; -1 for none
    QTest::addColumn<QString>("how");          // a button, a key or the close box
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<int>("current");

    const QStringList three{"Zeta", "Alfa", "PDF"};
    QTest::newRow("OK takes the chosen one") << three << 1 << "OK" << false << 1;
    QTest::newRow("Enter at once takes the first") << three << -1 << "Return" << false << 0;
    QTest::newRow("equal names: the first of them")
        << QStringList{"Alfa", "Ufficio", "Ufficio"} << 2 << "OK" << false << 1;
    QTest::newRow("Esc cancels") << three << 1 << "Esc" << true << 2;
    QTest::newRow("Annulla cancels") << three << 1 << "Annulla" << true << 2;
    QTest::newRow("close box goes on unchanged") << three << 1 << "close" << false << 2;
    QTest::newRow("no printers: Annulla cancels") << QStringList() << -1 << "Annulla" << true << -1;
}

void tst_frmSelPrinter::closing()
{
    QFETCH(QStringList, printers);
    QFETCH(int, row);
    QFETCH(QString, how);
    QFETCH(bool, cancelled);
    QFETCH(int, current);

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

    if (row >= 0)
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    if (auto *button = window.findChild<QPushButton *>(how))
        QTest::mouseClick(button, Qt::LeftButton);
    else if (how == QLatin1String("close"))
        window.close();
    else
        QTest::keyClick(list, QKeySequence::fromString(how)[0].key());

    QTRY_VERIFY(!window.isVisible());
    QCOMPARE(window.printCancelled(), cancelled);
    QCOMPARE(device.currentPrinter(), current);
}

QTEST_MAIN(tst_frmSelPrinter)
#include "tst_frmselprinter.moc"
