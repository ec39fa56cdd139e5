#include "autocompletecombobox.h"
#include "autocompletekeyfilter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

namespace {

// Keys that are no characters, written into the typing scripts below.
constexpr QChar BackspaceKey(0x232B); // ⌫
constexpr QChar EnterKey(0x23CE);     // ⏎
constexpr QChar EscapeKey(0x238B);    // ⎋
constexpr QChar LeftKey(0x2190);      // ←

// Records the key presses that get past auto-completion to the combo box.
class KeyRecorder : public QObject
{
public:
    QList<int> keys;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            keys << static_cast<QKeyEvent *>(event)->key();
        return false;
    }
};

// The beneficiary field as the main window sets it up.
struct Field
{
    explicit Field(const QStringList &items)
    {
        combo.setEditable(true);
        combo.setCompleter(nullptr);
        combo.setInsertPolicy(QComboBox::NoInsert);
        combo.addItems(items);
        combo.setEditText(QString());
        // Installed first, so it runs after the auto-completion filter.
        combo.installEventFilter(&delivered);
        new AutoCompleteKeyFilter(combo);
    }

    bool open()
    {
        combo.show();
        QApplication::setActiveWindow(&combo);
        combo.setFocus();
        return QTest::qWaitForWindowActive(&combo);
    }

    // Where the keyboard goes: to the open list when there is one, as Qt
    // routes a real user's keys.
    QWidget *keyboard()
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            return popup->focusWidget() ? popup->focusWidget() : popup;
        return &combo;
    }

    void type(const QString &script)
    {
        for (const QChar c : script) {
            if (c == BackspaceKey)
                QTest::keyClick(keyboard(), Qt::Key_Backspace);
            else if (c == EnterKey)
                QTest::keyClick(keyboard(), Qt::Key_Return);
            else if (c == EscapeKey)
                QTest::keyClick(keyboard(), Qt::Key_Escape);
            else if (c == LeftKey)
                QTest::keyClick(keyboard(), Qt::Key_Left);
            else
                QTest::sendKeyEvent(QTest::Click, keyboard(), Qt::Key(c.toUpper().unicode()), QString(c),
                                    Qt::NoModifier);
        }
    }

    QLineEdit &edit() { return *combo.lineEdit(); }
    bool listOpen() { return combo.view()->isVisible(); }

    QComboBox combo;
    KeyRecorder delivered;
};

} // namespace

class TestAutoCompleteComboBox : public QObject
{
    Q_OBJECT

private slots:
    void typing_data();
    void typing();
    void enterPassesOn();
    void controlKeysDiscarded_data();
    void controlKeysDiscarded();
    void noEditField_data();
    void noEditField();
    void characterCode_data();
    void characterCode();
};

void TestAutoCompleteComboBox::typing_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("caret");
    QTest::addColumn<bool>("listOpen");

    const QStringList rossi = {"ROSSI MARIO", "ROSSINI LUCA"};
    QTest::newRow("first letter completes") << rossi << "r" << "ROSSI MARIO" << "OSSI MARIO" << 11 << true;
    QTest::newRow("first match in list order kept") << rossi << "rossi" << "ROSSI MARIO" << " MARIO" << 11 << true;
    QTest::newRow("next letter moves to next match") << rossi << "rossin" << "ROSSINI LUCA" << "I LUCA" << 12 << true;
    QTest::newRow("typed over a suggestion of the same letter")
        << rossi << "rossinI" << "ROSSINI LUCA" << " LUCA" << 12 << true;
    QTest::newRow("case ignored, item spelling shown")
        << QStringList{"Bianchi Anna"} << "BIANCHI a" << "Bianchi Anna" << "nna" << 12 << true;
    QTest::newRow("accented letter")
        << QStringList{"NICOLÒ VERDI"} << "nicolò" << "NICOLÒ VERDI" << " VERDI" << 12 << true;
    QTest::newRow("backspace removes only the suggestion") << rossi << "ros" + QString(BackspaceKey)
                                                           << "ROS" << "" << 3 << true;
    QTest::newRow("second backspace removes a typed letter")
        << rossi << "ros" + QString(BackspaceKey) + BackspaceKey << "RO" << "" << 2 << true;
    QTest::newRow("backspace in empty field") << rossi << QString(BackspaceKey) << "" << "" << 0 << false;
    QTest::newRow("no match keeps the typed text") << rossi << "rx" << "Rx" << "" << 2 << true;
    QTest::newRow("typing on after no match") << rossi << "rxy" << "Rxy" << "" << 3 << true;
    QTest::newRow("match found again after backspace")
        << rossi << "rx" + QString(BackspaceKey) + "o" << "ROSSI MARIO" << "SSI MARIO" << 11 << true;
    QTest::newRow("no match in an empty list") << QStringList{} << "ab" << "ab" << "" << 2 << false;
    QTest::newRow("typing mid-text without selection appends")
        << rossi << "xy" + QString(LeftKey) + LeftKey + "z" << "xyz" << "" << 3 << true;
}

void TestAutoCompleteComboBox::typing()
{
    QFETCH(QStringList, items);
    QFETCH(QString, script);
    QFETCH(QString, text);
    QFETCH(QString, selected);
    QFETCH(int, caret);
    QFETCH(bool, listOpen);

    Field field(items);
    QVERIFY(field.open());
    field.type(script);

    QCOMPARE(field.edit().text(), text);
    QCOMPARE(field.edit().selectedText(), selected);
    QCOMPARE(field.edit().cursorPosition(), caret);
    QCOMPARE(field.listOpen(), listOpen);
}

void TestAutoCompleteComboBox::enterPassesOn()
{
    Field field({"ROSSI MARIO", "ROSSINI LUCA"});
    QVERIFY(field.open());
    field.type("ros");
    QVERIFY(field.delivered.keys.isEmpty());

    field.type(EnterKey);
    QCOMPARE(field.delivered.keys, QList<int>{Qt::Key_Return});
    QCOMPARE(field.edit().text(), "ROSSI MARIO");
    QCOMPARE(field.edit().cursorPosition(), 11);
    QVERIFY(!field.edit().hasSelectedText());
    QVERIFY(!field.listOpen());
    QCOMPARE(field.combo.count(), 2); // nothing inserted
}

void TestAutoCompleteComboBox::controlKeysDiscarded_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");

    QTest::newRow("escape") << int(Qt::Key_Escape) << Qt::KeyboardModifiers();
    QTest::newRow("ctrl+v, no paste") << int(Qt::Key_V) << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("ctrl+a, no select all") << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ControlModifier);
}

void TestAutoCompleteComboBox::controlKeysDiscarded()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);

    QGuiApplication::clipboard()->setText("PASTED");
    Field field({"ROSSI MARIO"});
    QVERIFY(field.open());
    field.type("xy" + QString(EnterKey));
    field.delivered.keys.clear();

    QTest::keyClick(field.keyboard(), Qt::Key(key), modifiers);
    QVERIFY(!field.delivered.keys.contains(key));
    QCOMPARE(field.edit().text(), "xy");
    QCOMPARE(field.edit().selectedText(), "");
}

// Without an edit field there is nothing to complete: the combo box gets
// every key as it came.
void TestAutoCompleteComboBox::noEditField_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::newRow("letter") << int('a');
    QTest::newRow("backspace") << 8;
    QTest::newRow("escape") << 27;
}

void TestAutoCompleteComboBox::noEditField()
{
    QFETCH(int, keyCode);
    QComboBox combo;
    combo.addItems({"ROSSI MARIO"});
    QCOMPARE(AutoCompleteComboBox(combo, keyCode), keyCode);
    QCOMPARE(combo.currentText(), "ROSSI MARIO");
}

void TestAutoCompleteComboBox::characterCode_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");

    const Qt::KeyboardModifiers none;
    QTest::newRow("letter") << int(Qt::Key_R) << none << "r" << int('r');
    QTest::newRow("space") << int(Qt::Key_Space) << none << " " << 32;
    QTest::newRow("accented letter") << int(Qt::Key_Egrave) << none << "è" << 0xE8;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << "\b" << 8;
    QTest::newRow("return") << int(Qt::Key_Return) << none << "\r" << 13;
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << "\r" << 13;
    QTest::newRow("escape") << int(Qt::Key_Escape) << none << "\x1b" << 27;
    QTest::newRow("ctrl+v with text") << int(Qt::Key_V) << Qt::KeyboardModifiers(Qt::ControlModifier) << "\x16" << 22;
    QTest::newRow("ctrl+v without text") << int(Qt::Key_V) << Qt::KeyboardModifiers(Qt::ControlModifier) << "" << 22;
    QTest::newRow("ctrl+v with its letter") << int(Qt::Key_V) << Qt::KeyboardModifiers(Qt::ControlModifier) << "v" << 22;
    QTest::newRow("altgr as ctrl+alt") << int(Qt::Key_E) << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::AltModifier)
                                       << "€" << 0x20AC;
    QTest::newRow("alt+letter is a mnemonic") << int(Qt::Key_R) << Qt::KeyboardModifiers(Qt::AltModifier) << "r" << -1;
    QTest::newRow("tab moves focus") << int(Qt::Key_Tab) << none << "\t" << -1;
    QTest::newRow("delete") << int(Qt::Key_Delete) << none << "\x7f" << -1;
    QTest::newRow("arrow") << int(Qt::Key_Left) << none << "" << -1;
}

void TestAutoCompleteComboBox::characterCode()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, text);
    QFETCH(int, code);

    const QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QCOMPARE(AutoCompleteKeyFilter::characterCode(event), code);
}

QTEST_MAIN(TestAutoCompleteComboBox)
#include "tst_autocompletecombobox.moc"
