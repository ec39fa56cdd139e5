#include "frmbanche.h"
#include "frmdesign.h"
#include "frmnewbanca.h"
#include "frmselprinter.h"
#include "windowfixture.h"

class TstScreenReader : public QObject
{
    Q_OBJECT
    WindowFixture f; // its main window also owns the dialogs below

private slots:
    void everyControlHasAName_data()
    {
        QTest::addColumn<QWidget *>("window");
        auto banks = new FrmBanche(f.folder(), f.state.IDbanca, f.state.currentBankName,
                                   f.state.currentAccountNumber, f.messages, f.printer, nullptr, &f.window);
        for (QWidget *w : std::initializer_list<QWidget *>{&f.window, banks, new frmSelPrinter(f.printer, f.folder(), f.messages, &f.window),
                 new frmNewBanca(*banks->MaxID, f.folder(), [](const QString &) {}, f.messages, &f.window),
                 new frmDesign(f.folder(), 1, "Banca", "1", f.messages, f.printer, &f.window)})
            QTest::newRow(qPrintable(w->objectName())) << w;
    }
    void everyControlHasAName()
    {
        QFETCH(QWidget *, window);
        QList<QWidget *> all = window->findChildren<QWidget *>();
        for (QWidget *w : all << window) {
            // Hidden fields, labels and closed drop-down lists take no keys.
            if (w == window || (w->isVisibleTo(window) && w->focusPolicy() != Qt::NoFocus))
                QVERIFY2(!w->accessibleName().isEmpty() && w->accessibleDescription() == w->toolTip(), qPrintable(w->objectName()));
        }
    }
};

QTEST_MAIN(TstScreenReader)
#include "tst_screenreader.moc"
