#include "frmselprinter.h"
#include "recordingprintdevice.h"

#include <QListWidget>
#include <QPushButton>
#include <QtTest>

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
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<int>("current");

    const QStringList three{"Zeta", "Alfa", "PDF"};
    QTest::newRow("OK at once takes the first") << three << -1 << "ok" << false << 0;
    QTest::newRow("OK takes the chosen one") << three << 1 << "ok" << false << 1;
    QTest::newRow("Enter takes the chosen one") << three << 1 << "enter" << false << 1;
    QTest::newRow("equal names: the first of them")
        << QStringList{"Alfa", "Ufficio", "Ufficio"} << 2 << "ok" << false << 1;
    QTest::newRow("Esc cancels") << three << 1 << "esc" << true << 2;
    QTest::newRow("Annulla cancels") << three << 1 << "annulla" << true << 2;
    QTest::newRow("close box goes on unchanged") << three << 1 << "close" << false << 2;
    QTest::newRow("no printers: Annulla cancels") << QStringList() << -1 << "annulla" << true << -1;
    QTest::newRow("no printers: close box goes on")
        << QStringList() << -1 << "close" << false << -1;
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
    auto *ok = window.findChild<QPushButton *>(QStringLiteral("OK"));
    QStringList listed;
    for (int i = 0; i < list->count(); ++i)
        listed << list->item(i)->text();
    QCOMPARE(listed, printers);
    QCOMPARE(list->currentRow(), printers.isEmpty() ? -1 : 0);
    QCOMPARE(ok->isEnabled(), !printers.isEmpty());

    if (row >= 0) {
        const QPoint rowCentre = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre);
    }
    if (how == QLatin1String("ok"))
        QTest::mouseClick(ok, Qt::LeftButton);
    else if (how == QLatin1String("enter"))
        QTest::keyClick(list, Qt::Key_Return);
    else if (how == QLatin1String("esc"))
        QTest::keyClick(list, Qt::Key_Escape);
    else if (how == QLatin1String("annulla"))
        QTest::mouseClick(window.findChild<QPushButton *>("Annulla"), Qt::LeftButton);
    else
        window.close();

    QTRY_VERIFY(!window.isVisible());
    QCOMPARE(window.printCancelled(), cancelled);
    QCOMPARE(device.currentPrinter(), current);
}

QTEST_MAIN(tst_frmSelPrinter)
#include "tst_frmselprinter.moc"
