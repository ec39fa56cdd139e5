#include "frmbanche.h"
#include "frmdesign.h"
#include "frmnewbanca.h"
#include "frmselprinter.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QLineEdit>

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

    void everyEntryFieldIsLabelledByItsCaption_data()
    {
        QTest::addColumn<QWidget *>("window");
        QTest::addColumn<int>("fields");
        auto banks = new FrmBanche(f.folder(), f.state.IDbanca, f.state.currentBankName,
                                   f.state.currentAccountNumber, f.messages, f.printer, nullptr, &f.window);
        QTest::newRow("FrmInput") << static_cast<QWidget *>(&f.window) << 7;
        QTest::newRow("FrmBanche: no field, the id store kept out") << static_cast<QWidget *>(banks) << 0;
        QWidget *printers = new frmSelPrinter(f.printer, f.folder(), f.messages, &f.window);
        QWidget *newBank = new frmNewBanca(*banks->MaxID, f.folder(), [](const QString &) {}, f.messages, &f.window);
        QWidget *design = new frmDesign(f.folder(), 1, "Banca", "1", f.messages, f.printer, &f.window);
        QTest::newRow("frmSelPrinter: the correction boxes") << printers << 2;
        QTest::newRow("frmNewBanca") << newBank << 2;
        QTest::newRow("frmDesign: origin and position boxes") << design << 4;
    }
    void everyEntryFieldIsLabelledByItsCaption()
    {
        QFETCH(QWidget *, window);
        int fields = 0;
        for (QWidget *w : window->findChildren<QWidget *>()) {
            const bool entry = qobject_cast<QComboBox *>(w)
                               || (qobject_cast<QLineEdit *>(w) && !qobject_cast<QComboBox *>(w->parentWidget()));
            if (!entry || !w->isVisibleTo(window))
                continue;
            ++fields;
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
            const auto captions = face->relations(QAccessible::Label);
            QVERIFY2(!captions.isEmpty() && !captions.first().first->text(QAccessible::Name).trimmed().isEmpty(),
                     qPrintable(w->objectName()));
        }
        QTEST(fields, "fields");
    }
};

QTEST_MAIN(TstScreenReader)
#include "tst_screenreader.moc"
