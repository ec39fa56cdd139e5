#include "keyboarduse.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KeyboardUse::install(*qApp); }

    void readAs_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("a window on a bare widget is a window")
            << "window" << int(QAccessible::Window) << "FINESTRA" << "";
        QTest::newRow("a dialog stays a dialog") << "dialog" << int(QAccessible::Dialog) << "DIALOGO" << "";
        QTest::newRow("a list-only combo box by its name, the entry as value")
            << "list combo" << int(QAccessible::ComboBox) << "Banca" << "BANCA ROSSI";
        QTest::newRow("an unnamed list-only combo box by its entry")
            << "unnamed combo" << int(QAccessible::ComboBox) << "BANCA ROSSI" << "BANCA ROSSI";
        QTest::newRow("a link in a label by its text") << "link" << int(QAccessible::Link) << "www.esempio.example"
                                                       << "";
    }

    void readAs()
    {
        QFETCH(QString, kind);
        std::unique_ptr<QWidget> window(kind == QLatin1String("dialog") ? new QDialog : new QWidget);
        window->setWindowTitle(kind == QLatin1String("dialog") ? "DIALOGO" : "FINESTRA");
        QWidget *read = window.get();
        if (kind.endsWith(QLatin1String("combo"))) {
            auto combo = new QComboBox(window.get());
            combo->addItems({"BANCA BIANCHI", "BANCA ROSSI"});
            combo->setCurrentIndex(1);
            if (kind == QLatin1String("list combo"))
                combo->setAccessibleName("Banca");
            read = combo;
        } else if (kind == QLatin1String("link")) {
            read = new QLabel("www.esempio.example", window.get());
            KeyboardUse::makeActivatable(*read, [] {});
        }
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(read);
        QVERIFY(face);
        QTEST(int(face->role()), "role");
        QTEST(face->text(QAccessible::Name), "name");
        QTEST(face->text(QAccessible::Value), "value");
    }

    void linkOpens_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("opened");
        QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier) << 1;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 1;
        QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier) << 1;
        QTest::newRow("Ctrl+Return is not a press") << int(Qt::Key_Return) << int(Qt::ControlModifier) << 0;
        QTest::newRow("a letter") << int(Qt::Key_A) << int(Qt::NoModifier) << 0;
        QTest::newRow("a screen reader's press action") << 0 << 0 << 1;
    }

    void linkOpens()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QWidget window;
        auto field = new QLineEdit(&window);
        auto link = new QLabel("www.esempio.example", &window);
        link->move(0, 40);
        int opened = 0;
        KeyboardUse::makeActivatable(*link, [&opened] { ++opened; });
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), link);
        if (key == 0) {
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(link);
            face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        } else {
            QTest::keyClick(link, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        }
        QTEST(opened, "opened");
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
