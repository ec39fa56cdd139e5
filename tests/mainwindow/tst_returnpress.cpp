// Return on a focused button presses it, once, in every window.

#include "frmbanche.h"
#include "frmdesign.h"
#include "frmnewbanca.h"
#include "frmselprinter.h"
#include "keyboarduse.h"
#include "windowfixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

/// Closes each window that opens over \a under and keeps its title.
struct ModalWatch
{
    explicit ModalWatch(QWidget *under)
    {
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, &poll, [this, under] {
            auto dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (dialog && dialog != under && dialog->isVisible()) {
                titles << dialog->windowTitle();
                dialog->reject();
            }
        });
        poll.start();
    }
    QTimer poll;
    QStringList titles;
};

} // namespace

class TestReturnPress : public QObject
{
    Q_OBJECT
    std::unique_ptr<WindowFixture> f;

    /// The window \a kind, shown and active; it lives until the next one.
    QWidget *open(const QString &kind)
    {
        f = std::make_unique<WindowFixture>();
        if (!f->window.load())
            return nullptr;
        f->window.IMPORTO->setText(QStringLiteral("10"));
        f->window.BENEFICIARIO->setEditText(QStringLiteral("ROSSI MARIO"));
        QWidget *window = &f->window;
        if (kind == QLatin1String("FrmBanche"))
            window = new FrmBanche(f->folder(), f->state.IDbanca, f->state.currentBankName,
                                   f->state.currentAccountNumber, f->messages, f->printer, nullptr, &f->window);
        else if (kind == QLatin1String("frmNewBanca")) {
            auto banks = new FrmBanche(f->folder(), f->state.IDbanca, f->state.currentBankName,
                                       f->state.currentAccountNumber, f->messages, f->printer, nullptr, &f->window);
            auto bank = new frmNewBanca(*banks->MaxID, f->folder(), [this](const QString &row) { added << row; },
                                        f->messages, &f->window);
            bank->findChild<QLineEdit *>(QStringLiteral("NomeBanca"))->setText(QStringLiteral("BANCA ROSSI"));
            bank->findChild<QLineEdit *>(QStringLiteral("NumCC"))->setText(QStringLiteral("123"));
            window = bank;
        } else if (kind == QLatin1String("frmDesign")) {
            f->write("Quendra1.ini", DefaultLayoutBytes);
            window = new frmDesign(f->folder(), 1, QStringLiteral("Banca"), QStringLiteral("1"), f->messages,
                                   f->printer, &f->window);
        } else if (kind == QLatin1String("frmSelPrinter")) {
            window = new frmSelPrinter(f->printer, f->folder(), f->messages, [](PrintDevice &) { return true; },
                                       &f->window);
        }
        window->show();
        return QTest::qWaitForWindowActive(window) ? window : nullptr;
    }

    QStringList added;

private slots:
    void initTestCase() { KeyboardUse::install(*qApp); }

    void returnPressesTheFocusedButtonOnce_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("opened");
        QTest::newRow("print button opens the printer window")
            << "FrmInput" << "StampaAssegno" << int(Qt::Key_Return) << QStringList{"Selezione Stampante"};
        QTest::newRow("keypad Enter on the print button")
            << "FrmInput" << "StampaAssegno" << int(Qt::Key_Enter) << QStringList{"Selezione Stampante"};
        QTest::newRow("main window's CALIBRAZIONE opens the bank list")
            << "FrmInput" << "Calibrazione" << int(Qt::Key_Return) << QStringList{"BANCHE"};
        QTest::newRow("bank list's add button opens NUOVA BANCA")
            << "FrmBanche" << "AddBAN" << int(Qt::Key_Return) << QStringList{"NUOVA BANCA"};
        QTest::newRow("bank list's ESCI") << "FrmBanche" << "Uscita" << int(Qt::Key_Return) << QStringList{};
        QTest::newRow("NUOVA BANCA's Salva") << "frmNewBanca" << "Salva" << int(Qt::Key_Return) << QStringList{};
        QTest::newRow("calibration window's test print opens the printer window")
            << "frmDesign" << "StampaTest" << int(Qt::Key_Return) << QStringList{"Selezione Stampante"};
        QTest::newRow("calibration window's reset") << "frmDesign" << "Resetta" << int(Qt::Key_Return) << QStringList{};
        QTest::newRow("printer window's preview")
            << "frmSelPrinter" << "Anteprima" << int(Qt::Key_Return) << QStringList{"Anteprima di stampa"};
        QTest::newRow("printer window's Annulla, a button of Qt's own")
            << "frmSelPrinter" << "Annulla" << int(Qt::Key_Return) << QStringList{};
        QTest::newRow("printer window's OK, the default button")
            << "frmSelPrinter" << "OK" << int(Qt::Key_Return) << QStringList{};
    }

    void returnPressesTheFocusedButtonOnce()
    {
        QFETCH(QString, kind);
        QFETCH(QString, button);
        QFETCH(int, key);
        added.clear();
        QWidget *window = open(kind);
        QVERIFY(window);
        auto target = window->findChild<QPushButton *>(button);
        QVERIFY(target);
        int clicks = 0;
        connect(target, &QPushButton::clicked, this, [&clicks] { ++clicks; });
        target->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), target);
        ModalWatch watch(window);
        QTest::keyClick(target, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(clicks, 1);
        QTEST(watch.titles.mid(0, 1), "opened");
        if (button == QLatin1String("Salva"))
            QCOMPARE(added.size(), 1);
    }

    void returnStaysWithTextFieldsAndChords()
    {
        QWidget *window = open(QStringLiteral("frmNewBanca"));
        QVERIFY(window);
        auto salva = window->findChild<QPushButton *>(QStringLiteral("Salva"));
        int clicks = 0;
        connect(salva, &QPushButton::clicked, this, [&clicks] { ++clicks; });
        auto field = window->findChild<QLineEdit *>(QStringLiteral("NomeBanca"));
        int returns = 0;
        connect(field, &QLineEdit::returnPressed, this, [&returns] { ++returns; });
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        salva->setFocus();
        QTest::keyClick(salva, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(returns, 1);
        QCOMPARE(clicks, 0);
    }
};

QTEST_MAIN(TestReturnPress)
#include "tst_returnpress.moc"
