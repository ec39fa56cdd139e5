#include "autocompletekeyfilter.h"
#include "combomessages.h"
#include "keyscript.h"

#include <QtTest>
#include <QtWidgets>

namespace {

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

} // namespace

class TestAutoCompleteComboBox : public QObject
{
    Q_OBJECT

private slots:
    void typing_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("listOpen");
        QTest::addColumn<QString>("passedOn");

        QTest::newRow("first match in list order") << "rossi" << "ROSSI MARIO" << " MARIO" << true << "";
        QTest::newRow("next letter, next match") << "rossin" << "ROSSINI LUCA" << "I LUCA" << true << "";
        QTest::newRow("backspace removes the suggestion") << "ros⌫" << "ROS" << "" << true << "";
        QTest::newRow("second backspace removes a typed letter") << "ros⌫⌫" << "RO" << "" << true << "";
        QTest::newRow("backspace in empty field") << "⌫" << "" << "" << false << "";
        QTest::newRow("no match keeps the typed text") << "rx" << "Rx" << "" << true << "";
        // With the list open, the editing keys reach the combo box.
        QTest::newRow("typing mid-text appends at the end") << "xy←←z" << "xyz" << "" << true << "Left Left";
        QTest::newRow("enter keeps the completion") << "ros⏎" << "ROSSI MARIO" << "" << false << "Return";
        QTest::newRow("escape discarded") << "xy⏎⎋" << "xy" << "" << false << "Return";
    }

    void typing()
    {
        QFETCH(QString, script);
        QFETCH(QString, text);

        // The beneficiary field as the main window sets it up. The recorder goes
        // in first, so it runs last and sees only the keys auto-completion passes on.
        QComboBox combo;
        combo.setEditable(true);
        combo.setCompleter(nullptr);
        combo.setInsertPolicy(QComboBox::NoInsert);
        combo.addItems({"ROSSI MARIO", "ROSSINI LUCA"});
        combo.setEditText(QString());
        KeyRecorder recorder;
        combo.installEventFilter(&recorder);
        new AutoCompleteKeyFilter(combo);
        combo.show();
        QVERIFY(QTest::qWaitForWindowActive(&combo));
        KeyScript::play(script);

        QCOMPARE(combo.lineEdit()->text(), text);
        QTEST(combo.lineEdit()->selectedText(), "selected");
        // Whatever was typed, and wherever the caret was, it ends after the text.
        QCOMPARE(combo.lineEdit()->cursorPosition(), text.size());
        QTEST(combo.view()->isVisible(), "listOpen");
        QTEST(recorder.keys.join(' '), "passedOn");
    }

    // On a plain list the first match in list order follows every change of the list.
    void prefixIndexFollowsList()
    {
        QComboBox combo;
        combo.setEditable(true);
        combo.addItems({"B", "AX", "àb", "Àa"});
        QCOMPARE(selectString(combo, "À"), 2);
        combo.insertItem(2, "C");
        QCOMPARE(selectString(combo, "à"), 3);
        combo.removeItem(3);
        QCOMPARE(selectString(combo, "à"), 3);
        QCOMPARE(selectString(combo, "àb"), -1);
    }
};

QTEST_MAIN(TestAutoCompleteComboBox)
#include "tst_autocompletecombobox.moc"
