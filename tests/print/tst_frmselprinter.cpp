#include "frmselprinter.h"
#include "recordingprintdevice.h"

#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

QListWidget *printerList(frmSelPrinter &window)
{
    return window.findChild<QListWidget *>(QStringLiteral("LstPrn"));
}

QPushButton *button(frmSelPrinter &window, const char *name)
{
    return window.findChild<QPushButton *>(QLatin1String(name));
}

QStringList listed(frmSelPrinter &window)
{
    QStringList names;
    QListWidget *list = printerList(window);
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

void clickRow(frmSelPrinter &window, int row)
{
    QListWidget *list = printerList(window);
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

int makeCurrentCalls(const RecordingPrintDevice &device)
{
    int n = 0;
    for (const auto &call : device.calls())
        n += call.op == RecordingPrintDevice::Op::MakeCurrent ? 1 : 0;
    return n;
}

} // namespace

class tst_frmSelPrinter : public QObject
{
    Q_OBJECT

private slots:
    void looks();
    void fillsTheList_data();
    void fillsTheList();
    void okMakesTheChosenPrinterCurrent_data();
    void okMakesTheChosenPrinterCurrent();
    void ways_to_close_data();
    void ways_to_close();
    void noPrinters();
};

void tst_frmSelPrinter::looks()
{
    RecordingPrintDevice device;
    device.setPrinters({"HP LaserJet"});
    frmSelPrinter window(device);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.windowTitle(), QStringLiteral("Selezione Stampante"));
    QVERIFY(window.isModal());
    QPushButton *ok = button(window, "OK");
    QPushButton *cancel = button(window, "Annulla");
    QVERIFY(ok && cancel && printerList(window));
    QVERIFY(ok->text().isEmpty());
    QVERIFY(!ok->icon().isNull());
    QVERIFY(ok->isDefault());
    QCOMPARE(cancel->text(), QStringLiteral("&Annulla"));
    QVERIFY(!cancel->isDefault());
    // Buttons side by side under the list, Annulla on the right.
    QVERIFY(cancel->x() > ok->x() + ok->width() - 1);
    QCOMPARE(cancel->y(), ok->y());
    QVERIFY(ok->y() >= printerList(window)->geometry().bottom());
}

void tst_frmSelPrinter::fillsTheList_data()
{
    QTest::addColumn<QStringList>("printers");
    QTest::addColumn<int>("currentBefore");

    QTest::newRow("one printer") << QStringList{"HP LaserJet"} << -1;
    QTest::newRow("several, in the system's order")
        << QStringList{"Zeta", "Alfa", "PDF"} << -1;
    QTest::newRow("first preselected although the third is current")
        << QStringList{"Zeta", "Alfa", "PDF"} << 2;
    QTest::newRow("equal names are all listed") << QStringList{"Ufficio", "Ufficio"} << 1;
}

void tst_frmSelPrinter::fillsTheList()
{
    QFETCH(QStringList, printers);
    QFETCH(int, currentBefore);

    RecordingPrintDevice device;
    device.setPrinters(printers);
    if (currentBefore >= 0)
        device.makeCurrent(currentBefore);
    frmSelPrinter window(device);

    QCOMPARE(listed(window), printers);
    QCOMPARE(printerList(window)->currentRow(), 0);
    QCOMPARE(printerList(window)->selectedItems().size(), 1);
    QVERIFY(button(window, "OK")->isEnabled());
    QVERIFY(!window.printCancelled());
    QCOMPARE(device.currentPrinter(), currentBefore);
}

void tst_frmSelPrinter::okMakesTheChosenPrinterCurrent_data()
{
    QTest::addColumn<QStringList>("printers");
    QTest::addColumn<int>("row");      ///< clicked before OK; -1 for none
    QTest::addColumn<bool>("byDoubleClick");
    QTest::addColumn<int>("expected");

    const QStringList three{"Zeta", "Alfa", "PDF"};
    QTest::newRow("OK at once takes the first") << three << -1 << false << 0;
    QTest::newRow("third chosen") << three << 2 << false << 2;
    QTest::newRow("second chosen by double-click") << three << 1 << true << 1;
    QTest::newRow("equal names: the first of them")
        << QStringList{"Alfa", "Ufficio", "Ufficio"} << 2 << false << 1;
}

void tst_frmSelPrinter::okMakesTheChosenPrinterCurrent()
{
    QFETCH(QStringList, printers);
    QFETCH(int, row);
    QFETCH(bool, byDoubleClick);
    QFETCH(int, expected);

    RecordingPrintDevice device;
    device.setPrinters(printers);
    frmSelPrinter window(device);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    if (row >= 0)
        clickRow(window, row);
    if (byDoubleClick) {
        QListWidget *list = printerList(window);
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    } else {
        QTest::mouseClick(button(window, "OK"), Qt::LeftButton);
    }

    QVERIFY(!window.isVisible());
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QVERIFY(!window.printCancelled());
    QCOMPARE(device.currentPrinter(), expected);
    QCOMPARE(makeCurrentCalls(device), 1);
}

void tst_frmSelPrinter::ways_to_close_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<int>("current");

    // Printers "Zeta", "Alfa"; "Alfa" is current before the window opens.
    QTest::newRow("Enter confirms the first printer") << "enter" << false << 0;
    QTest::newRow("Return confirms the first printer") << "return" << false << 0;
    QTest::newRow("Esc cancels") << "escape" << true << 1;
    QTest::newRow("Annulla cancels") << "annulla" << true << 1;
    QTest::newRow("Alt+A cancels") << "alt+a" << true << 1;
    QTest::newRow("close box goes on, printer unchanged") << "close" << false << 1;
}

void tst_frmSelPrinter::ways_to_close()
{
    QFETCH(QString, how);
    QFETCH(bool, cancelled);
    QFETCH(int, current);

    RecordingPrintDevice device;
    device.setPrinters({"Zeta", "Alfa"});
    device.makeCurrent(1);
    frmSelPrinter window(device);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    printerList(window)->setFocus();

    QWidget *focus = printerList(window);
    if (how == QLatin1String("enter"))
        QTest::keyClick(focus, Qt::Key_Enter);
    else if (how == QLatin1String("return"))
        QTest::keyClick(focus, Qt::Key_Return);
    else if (how == QLatin1String("escape"))
        QTest::keyClick(focus, Qt::Key_Escape);
    else if (how == QLatin1String("annulla"))
        QTest::mouseClick(button(window, "Annulla"), Qt::LeftButton);
    else if (how == QLatin1String("alt+a"))
        QTest::keyClick(focus, Qt::Key_A, Qt::AltModifier);
    else
        window.close();

    QTRY_VERIFY(!window.isVisible());
    QCOMPARE(window.printCancelled(), cancelled);
    QCOMPARE(window.result(), int(cancelled || how == QLatin1String("close") ? QDialog::Rejected
                                                                             : QDialog::Accepted));
    QCOMPARE(device.currentPrinter(), current);
}

void tst_frmSelPrinter::noPrinters()
{
    RecordingPrintDevice device;
    frmSelPrinter window(device);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(printerList(window)->count(), 0);
    QVERIFY(!button(window, "OK")->isEnabled());
    // Enter has nothing to confirm.
    QTest::keyClick(printerList(window), Qt::Key_Return);
    QVERIFY(window.isVisible());
    QTest::mouseClick(button(window, "Annulla"), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QVERIFY(window.printCancelled());
    QCOMPARE(makeCurrentCalls(device), 0);

    // A device that answers nothing leaves the same empty window.
    RecordingPrintDevice broken;
    broken.setPrinters({"Zeta"});
    broken.setFailingAll();
    frmSelPrinter brokenWindow(broken);
    QCOMPARE(printerList(brokenWindow)->count(), 0);
    QVERIFY(!button(brokenWindow, "OK")->isEnabled());
    brokenWindow.close();
    QVERIFY(!brokenWindow.printCancelled());
}

QTEST_MAIN(tst_frmSelPrinter)
#include "tst_frmselprinter.moc"
