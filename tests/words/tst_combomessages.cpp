#include "combomessages.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QTest>

namespace {

void makeEditable(QComboBox &combo, const QStringList &items)
{
    combo.setEditable(true);
    combo.setCompleter(nullptr);
    combo.setInsertPolicy(QComboBox::NoInsert);
    combo.addItems(items);
}

// Records the keys that reach the combo box itself.
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

} // namespace

class TestComboMessages : public QObject
{
    Q_OBJECT

private slots:
    void selectString_data();
    void selectString();
    void followsListChanges_data();
    void followsListChanges();
    void dropDown();
    void typingKeysLeaveOpenList_data();
    void typingKeysLeaveOpenList();
};

void TestComboMessages::selectString_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("typed"); // edit text before the call
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text"); // edit text after the call

    const QStringList rossi = {"ROSSI MARIO", "ROSSINI LUCA"};
    QTest::newRow("first in list order")
        << QStringList{"ROSSINI LUCA", "ROSSI MARIO"} << "" << "ROSSI" << 0 << "ROSSINI LUCA";
    QTest::newRow("longer prefix moves on") << rossi << "" << "ROSSIN" << 1 << "ROSSINI LUCA";
    QTest::newRow("case ignored, item spelling kept")
        << QStringList{"Bianchi Anna"} << "" << "bIA" << 0 << "Bianchi Anna";
    QTest::newRow("accented capital matches small")
        << QStringList{"NICOLÒ VERDI"} << "" << "nicolò" << 0 << "NICOLÒ VERDI";
    QTest::newRow("accented letter is not its base letter")
        << QStringList{"NICOLÒ"} << "NICOL" << "NICOLO" << -1 << "NICOL";
    QTest::newRow("whole text") << rossi << "" << "rossi mario" << 0 << "ROSSI MARIO";
    QTest::newRow("prefix longer than item") << rossi << "ROSSI MARIO" << "ROSSI MARIOX" << -1 << "ROSSI MARIO";
    QTest::newRow("no match keeps typed text") << rossi << "VERD" << "VERDI" << -1 << "VERD";
    QTest::newRow("empty list") << QStringList{} << "A" << "AB" << -1 << "A";
    QTest::newRow("duplicates, first wins") << QStringList{"B", "A", "a"} << "" << "A" << 1 << "A";
    QTest::newRow("smallest row among many matches")
        << QStringList{"ZZ", "ABD", "AB", "ABA", "ABC"} << "" << "AB" << 1 << "ABD";
    QTest::newRow("neighbours in sorted order do not match")
        << QStringList{"ABD", "ABB", "ABC", "AC"} << "" << "ABC" << 2 << "ABC";
    QTest::newRow("empty item never matches") << QStringList{"", "A"} << "" << "A" << 1 << "A";
    QTest::newRow("current row, text typed over it")
        << rossi << "ROSSX" << "ROSS" << 0 << "ROSSI MARIO";
}

void TestComboMessages::selectString()
{
    QFETCH(QStringList, items);
    QFETCH(QString, typed);
    QFETCH(QString, prefix);
    QFETCH(int, row);
    QFETCH(QString, text);

    QComboBox combo;
    makeEditable(combo, items);
    combo.setEditText(typed);
    const int currentBefore = combo.currentIndex();

    QCOMPARE(::selectString(combo, prefix), row);
    QCOMPARE(combo.lineEdit()->text(), text);
    QCOMPARE(combo.currentIndex(), row >= 0 ? row : currentBefore);
}

enum class ListChange { InsertAbove, RemoveMatch, RenameToMatch, RenameAway, ClearAndRefill, NewModel, Sort };
Q_DECLARE_METATYPE(ListChange)

// The first lookup builds the cached index; the second must see the change.
void TestComboMessages::followsListChanges_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<ListChange>("change");
    QTest::addColumn<int>("rowBefore");
    QTest::addColumn<int>("rowAfter");

    QTest::newRow("item inserted above") << QStringList{"B", "AX"} << "A" << ListChange::InsertAbove << 1 << 0;
    QTest::newRow("match removed") << QStringList{"AX", "B", "AY"} << "A" << ListChange::RemoveMatch << 0 << 1;
    QTest::newRow("item renamed to match") << QStringList{"B", "C"} << "A" << ListChange::RenameToMatch << -1 << 1;
    QTest::newRow("match renamed away") << QStringList{"AB", "AC"} << "A" << ListChange::RenameAway << 0 << 1;
    QTest::newRow("cleared and refilled") << QStringList{"AB"} << "A" << ListChange::ClearAndRefill << 0 << 1;
    QTest::newRow("other model") << QStringList{"AB"} << "A" << ListChange::NewModel << 0 << 1;
    QTest::newRow("sorted") << QStringList{"AZ", "AB"} << "AZ" << ListChange::Sort << 0 << 1;
}

void TestComboMessages::followsListChanges()
{
    QFETCH(QStringList, items);
    QFETCH(QString, prefix);
    QFETCH(ListChange, change);
    QFETCH(int, rowBefore);
    QFETCH(int, rowAfter);

    QComboBox combo;
    makeEditable(combo, items);
    QStringListModel otherModel({"X", "AM"});
    QCOMPARE(::selectString(combo, prefix), rowBefore);

    switch (change) {
    case ListChange::InsertAbove:
        combo.insertItem(0, "AA");
        break;
    case ListChange::RemoveMatch:
        combo.removeItem(0);
        break;
    case ListChange::RenameToMatch:
        combo.setItemText(1, "AZ");
        break;
    case ListChange::RenameAway:
        combo.setItemText(0, "ZZ");
        break;
    case ListChange::ClearAndRefill:
        combo.clear();
        combo.addItems({"Q", "AQ"});
        break;
    case ListChange::NewModel:
        combo.setModel(&otherModel);
        break;
    case ListChange::Sort:
        combo.model()->sort(0);
        break;
    }
    QCOMPARE(::selectString(combo, prefix), rowAfter);
}

void TestComboMessages::dropDown()
{
    QComboBox combo;
    makeEditable(combo, {"ROSSI MARIO", "ROSSINI LUCA"});
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));

    showDropDown(combo);
    QVERIFY(combo.view()->isVisible());
    showDropDown(combo);
    QVERIFY(combo.view()->isVisible());

    // The open list shows the item just chosen.
    QCOMPARE(::selectString(combo, "rossin"), 1);
    QCOMPARE(combo.view()->currentIndex().row(), 1);

    hideDropDown(combo);
    QVERIFY(!combo.view()->isVisible());
    hideDropDown(combo);
    QVERIFY(!combo.view()->isVisible());
}

void TestComboMessages::typingKeysLeaveOpenList_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("reachesCombo");

    QTest::newRow("letter") << int(Qt::Key_R) << true;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << true;
    QTest::newRow("enter") << int(Qt::Key_Return) << true;
    QTest::newRow("caret left") << int(Qt::Key_Left) << true;
    QTest::newRow("down moves in list") << int(Qt::Key_Down) << false;
    QTest::newRow("page up moves in list") << int(Qt::Key_PageUp) << false;
    QTest::newRow("escape closes list") << int(Qt::Key_Escape) << false;
}

// With the list open Qt sends the keyboard to the list; the keys a user
// types must still reach the combo box, where auto-completion listens.
void TestComboMessages::typingKeysLeaveOpenList()
{
    QFETCH(int, key);
    QFETCH(bool, reachesCombo);

    QComboBox combo;
    makeEditable(combo, {"ROSSI MARIO", "ROSSINI LUCA"});
    KeyRecorder recorder;
    combo.installEventFilter(&recorder);
    combo.show();
    QVERIFY(QTest::qWaitForWindowActive(&combo));
    showDropDown(combo);
    QWidget *popup = QApplication::activePopupWidget();
    QVERIFY(popup);
    QWidget *keyboard = popup->focusWidget() ? popup->focusWidget() : popup;

    QTest::keyClick(keyboard, Qt::Key(key));
    QCOMPARE(recorder.keys, reachesCombo ? QList<int>{key} : QList<int>{});
}

QTEST_MAIN(TestComboMessages)
#include "tst_combomessages.moc"
