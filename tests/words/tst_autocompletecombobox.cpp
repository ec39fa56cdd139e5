#include "autocompletecombobox.h"
#include "autocompletekeyfilter.h"
#include "combomessages.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QTest>

namespace {

// Keys that type no character, as the scripts below write them.
const QHash<char16_t, Qt::Key> Keys = {
    {u'⌫', Qt::Key_Backspace}, {u'⏎', Qt::Key_Return}, {u'⎋', Qt::Key_Escape}, {u'←', Qt::Key_Left},
    {u'↓', Qt::Key_Down}};

struct KeyRecorder : QObject
{
    QStringList keys;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            keys << QKeySequence(static_cast<QKeyEvent *>(event)->key()).toString();
        return false;
    }
};

// The beneficiary field as the main window sets it up. The recorder goes
// in first, so it runs last and sees only the keys auto-completion passes on.
bool setUp(QComboBox &combo, const QStringList &items, KeyRecorder &passedOn)
{
    combo.setEditable(true);
    combo.setCompleter(nullptr);
    combo.setInsertPolicy(QComboBox::NoInsert);
    combo.addItems(items);
    combo.setEditText(QString());
    combo.installEventFilter(&passedOn);
    new AutoCompleteKeyFilter(combo);
    combo.show();
    return QTest::qWaitForWindowActive(&combo);
}

// Sends each key where Qt sends a real user's: to the open list when there
// is one, else to the combo box.
void type(const QString &script)
{
    for (const QChar c : script) {
        const bool named = Keys.contains(c.unicode());
        const Qt::Key key = named ? Keys[c.unicode()] : Qt::Key(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), key, named ? QString() : QString(c), {});
    }
}

} // namespace

class TestAutoCompleteComboBox : public QObject
{
    Q_OBJECT

private slots:
    void typing_data();
    void typing();
    void typingKeysLeaveOpenList();
    void prefixIndexFollowsList();
};

void TestAutoCompleteComboBox::typing_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<bool>("listOpen");
    QTest::addColumn<QString>("passedOn");

    const QStringList rossi = {"ROSSI MARIO", "ROSSINI LUCA"};
    QTest::newRow("first letter completes") << rossi << "r" << "ROSSI MARIO" << "OSSI MARIO" << true << "";
    QTest::newRow("first match in list order") << rossi << "rossi" << "ROSSI MARIO" << " MARIO" << true << "";
    QTest::newRow("next letter, next match") << rossi << "rossin" << "ROSSINI LUCA" << "I LUCA" << true << "";
    QTest::newRow("backspace removes the suggestion") << rossi << "ros⌫" << "ROS" << "" << true << "";
    QTest::newRow("second backspace removes a typed letter") << rossi << "ros⌫⌫" << "RO" << "" << true << "";
    QTest::newRow("backspace in empty field") << rossi << "⌫" << "" << "" << false << "";
    QTest::newRow("no match keeps the typed text") << rossi << "rx" << "Rx" << "" << true << "";
    QTest::newRow("match again after no match") << rossi << "rx⌫o" << "ROSSI MARIO" << "SSI MARIO" << true << "";
    QTest::newRow("typing mid-text appends at the end") << rossi << "xy←←z" << "xyz" << "" << true << "Left Left";
    QTest::newRow("enter keeps the completion") << rossi << "ros⏎" << "ROSSI MARIO" << "" << false << "Return";
    QTest::newRow("escape closes the open list") << rossi << "rx⎋" << "Rx" << "" << false << "";
    QTest::newRow("escape discarded") << rossi << "xy⏎⎋" << "xy" << "" << false << "Return";
}

void TestAutoCompleteComboBox::typing()
{
    QFETCH(QStringList, items);
    QFETCH(QString, script);
    QFETCH(QString, text);
    QFETCH(QString, selected);
    QFETCH(bool, listOpen);
    QFETCH(QString, passedOn);

    QComboBox combo;
    KeyRecorder recorder;
    QVERIFY(setUp(combo, items, recorder));
    type(script);

    QCOMPARE(combo.lineEdit()->text(), text);
    QCOMPARE(combo.lineEdit()->selectedText(), selected);
    // Whatever was typed, and wherever the caret was, it ends after the text.
    QCOMPARE(combo.lineEdit()->cursorPosition(), text.size());
    QCOMPARE(combo.view()->isVisible(), listOpen);
    QCOMPARE(recorder.keys.join(' '), passedOn);
}

// Qt gives the keyboard to an open list; the keys that edit the text must
// come back to the combo box, the ones that move in the list must not.
void TestAutoCompleteComboBox::typingKeysLeaveOpenList()
{
    QComboBox combo;
    KeyRecorder passedOn, reached;
    QVERIFY(setUp(combo, {"ROSSI MARIO", "ROSSINI LUCA"}, passedOn));
    combo.installEventFilter(&reached);
    showDropDown(combo);
    type("↓r⌫←⏎");
    QCOMPARE(reached.keys.join(' '), "R Backspace Left Return");
}

// The lookup keeps a sorted copy of the list, which every change must reach.
void TestAutoCompleteComboBox::prefixIndexFollowsList()
{
    QComboBox combo;
    combo.setEditable(true);
    combo.addItems({"B", "AX", "àb", "Àa"});
    QCOMPARE(selectString(combo, "À"), 2);
    QCOMPARE(combo.lineEdit()->text(), "àb");
    combo.insertItem(2, "C");
    QCOMPARE(selectString(combo, "à"), 3);
    combo.removeItem(3);
    QCOMPARE(selectString(combo, "à"), 3);
    combo.setItemText(2, "àc");
    QCOMPARE(selectString(combo, "à"), 2);
    combo.clear();
    QCOMPARE(selectString(combo, "à"), -1);
    combo.addItems({"àq", "Q"});
    QCOMPARE(selectString(combo, "À"), 0);
    combo.model()->sort(0);
    QCOMPARE(selectString(combo, "À"), 1);
}

QTEST_MAIN(TestAutoCompleteComboBox)
#include "tst_autocompletecombobox.moc"
