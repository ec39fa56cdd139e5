#include "columnlist.h"
#include "headercell.h"
#include "uclinkedlist.h"

#include <QtTest>
#include <QtWidgets>

namespace {

const QString Banks = QStringLiteral("Banca,170|Nr.Conto,93");

// Rows a0/b0, a1/b1, ... in the bank list's two columns, narrow enough for
// both of the control's own bars, laid out and on screen.
bool showNarrow(ucLinkedList &l, int rows)
{
    l.setListProperties(Banks);
    for (int i = 0; i < rows; ++i)
        l.AddItem(QStringLiteral("a%1\tb%1").arg(i));
    l.resize(200, 150);
    l.show();
    if (!QTest::qWaitForWindowExposed(&l))
        return false;
    // The lists lay their rows out at the next turn of the event loop.
    QCoreApplication::processEvents();
    return true;
}

void clickRow(ucLinkedList &l, int row, int column)
{
    ColumnList *list = l.lstList(column);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

} // namespace

class TestUcLinkedList : public QObject
{
    Q_OBJECT

private slots:
    void list_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("expected");

        QTest::newRow("three cells cut to two") << QStringList{"a\tb\tc"} << 0 << -1 << "a\tb";
        QTest::newRow("one cell padded") << QStringList{"a"} << 0 << -1 << "a\t";
        QTest::newRow("second column") << QStringList{"a\tb"} << 0 << 1 << "b\t";
        QTest::newRow("beyond the last column") << QStringList{"a\tb"} << 0 << 5 << "a\tb";
        QTest::newRow("negative index") << QStringList{"a\tb"} << -1 << -1 << "";
        QTest::newRow("second row") << QStringList{"a\tb", "c\td"} << 1 << -1 << "c\td";
    }

    void list()
    {
        QFETCH(QStringList, rows);
        QFETCH(int, index);
        QFETCH(int, column);
        ucLinkedList l;
        l.setListProperties(Banks);
        for (const QString &row : rows)
            l.AddItem(row);
        QTEST(l.List(index, column), "expected");
    }

    // Row 1 is selected beforehand through ListIndex.
    void click_data()
    {
        QTest::addColumn<bool>("fullRow");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column"); // -1: ListIndex written instead
        QTest::addColumn<QVariantList>("itemClick");
        QTest::addColumn<int>("listIndex");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("selected");

        QTest::newRow("full row, column 1") << true << 2 << 1 << QVariantList{2, 1, "b2"} << 2 << "a2\tb2" << QList<int>{2, 2};
        QTest::newRow("one cell, column 1") << false << 2 << 1 << QVariantList{2, 1, "b2"} << -1 << "a2\tb2"
                                            << QList<int>{-1, 2};
        QTest::newRow("ListIndex written") << true << 0 << -1 << QVariantList{0, 0, "a0"} << 0 << "a0\tb0" << QList<int>{0, 0};
        QTest::newRow("ListIndex cleared") << true << -1 << -1 << QVariantList{-1, 0, ""} << -1 << "" << QList<int>{-1, -1};
    }

    void click()
    {
        QFETCH(bool, fullRow);
        QFETCH(int, row);
        QFETCH(int, column);
        ucLinkedList l;
        QVERIFY(showNarrow(l, 5));
        l.setFullRowSelect(fullRow);
        l.setListIndex(1);
        QSignalSpy clicks(&l, &ucLinkedList::ItemClick);
        if (column < 0)
            l.setListIndex(row);
        else
            clickRow(l, row, column);
        QCOMPARE(clicks.size(), 1);
        QTEST(clicks.first(), "itemClick");
        QTEST(l.ListIndex(), "listIndex");
        QTEST(l.Text(), "text");
        QTEST((QList<int>{l.lstList(0)->selectedIndex(), l.lstList(1)->selectedIndex()}), "selected");
    }

    void placesColumnsAndBars()
    {
        ucLinkedList l;
        QVERIFY(showNarrow(l, 30));
        const int bar = l.scrollBarWidth();
        QCOMPARE(l.lstList(0)->geometry(), QRect(-1, 17, 170 + bar, 150 - 17 + 1 - bar + 5));
        QCOMPARE(l.lstList(1)->x(), 168);
        QCOMPARE(l.picHeader(1)->geometry(), QRect(169, 0, 90 + bar, 18));
        QVERIFY(l.hsbScroll()->isVisible() && l.vsbScroll()->isVisible());
        QCOMPARE(l.hsbScroll()->geometry(), QRect(0, 150 - bar, 200, bar));
        QCOMPARE(l.vsbScroll()->geometry(), QRect(200 - bar, 18, bar, 150 - bar - 18));
        l.resize(400, 300);
        QVERIFY(!l.hsbScroll()->isVisible() && !l.vsbScroll()->isVisible());
    }

    void scrollTogether_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("top"); // -1: any row past the first

        QTest::newRow("own bar of column 1") << "bar1" << 6;
        QTest::newRow("wheel on column 1") << "wheel1" << 3;
        QTest::newRow("keyboard in column 0") << "end0" << -1;
    }

    void scrollTogether()
    {
        QFETCH(QString, how);
        QFETCH(int, top);
        ucLinkedList l;
        QVERIFY(showNarrow(l, 30));
        if (how == "bar1") {
            l.lstList(1)->verticalScrollBar()->setValue(6);
        } else if (how == "wheel1") {
            QWidget *viewport = l.lstList(1)->viewport();
            const QPointF at(10, 10);
            QWheelEvent wheel(at, viewport->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
            QApplication::sendEvent(viewport, &wheel);
        } else {
            clickRow(l, 0, 0);
            QTest::keyClick(l.lstList(0), Qt::Key_End);
        }
        if (top < 0)
            QTRY_VERIFY(l.lstList(0)->topIndex() > 0);
        else
            QTRY_COMPARE(l.lstList(0)->topIndex(), top);
        QCOMPARE(l.lstList(1)->topIndex(), l.lstList(0)->topIndex());
        QCOMPARE(l.vsbScroll()->value(), l.lstList(0)->topIndex());
    }

    // Row 0 is selected and the view scrolled away from the first row and column;
    // the caller has frozen painting, which must outlast the control's own freezes.
    void changes_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("firstRow");
        QTest::addColumn<bool>("backToStart");

        QTest::newRow("AddItem") << "add" << 2 << 31 << "a0\tb0" << true;
        QTest::newRow("RemoveItem of the selected row") << "remove 0" << 2 << 29 << "a1\tb1" << true;
        QTest::newRow("RemoveItem past the end") << "remove 30" << 2 << 30 << "a0\tb0" << false;
        QTest::newRow("ClearList") << "clear" << 2 << 0 << "\t" << true;
        QTest::newRow("ResetList") << "reset" << 2 << 0 << "\t" << true;
        QTest::newRow("new definition") << "A,10|B,20|C,30" << 3 << 0 << "\t\t" << true;
        QTest::newRow("empty definition ignored") << "" << 2 << 30 << "a0\tb0" << false;
        // One column is no multi-column list: column 0 stays as it was.
        QTest::newRow("single column") << "Solo,50" << 1 << 0 << "" << true;
    }

    void changes()
    {
        QFETCH(QString, change);
        QFETCH(bool, backToStart);
        ucLinkedList l;
        QVERIFY(showNarrow(l, 30));
        l.setLockUpdate(true);
        l.setListIndex(0);
        l.hsbScroll()->setValue(50);
        l.vsbScroll()->setValue(7);
        QCOMPARE(l.picBack()->x(), -50);
        QSignalSpy clicks(&l, &ucLinkedList::ItemClick);
        if (change == "add")
            l.AddItem(QStringLiteral("x\ty"));
        else if (change.startsWith("remove"))
            l.RemoveItem(change.mid(7).toInt());
        else if (change == "clear")
            l.ClearList();
        else if (change == "reset")
            l.setResetList(true);
        else
            l.setListProperties(change);
        QCOMPARE(l.updatesEnabled(), false);
        l.setLockUpdate(false);
        QTEST(l.columnCount(), "columns");
        QTEST(l.ListCount(), "rows");
        QTEST(l.List(0), "firstRow");
        QCOMPARE(clicks.size(), 0);
        QCOMPARE(l.picBack()->x(), backToStart ? 0 : -50);
        QTRY_COMPARE(l.lstList(0)->topIndex(), backToStart ? 0 : 7);
        QCOMPARE(l.picHeader(0)->caption(), l.columnCount() == 3 ? "A" : "Banca");
        QCOMPARE(l.lstList(0)->width(), l.columnCount() == 3 ? 10 + l.scrollBarWidth() : 170 + l.scrollBarWidth());
    }

    void rowsReadAsShown_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QStringList>("read");
        const QString blanks(100, QLatin1Char(' '));
        QTest::newRow("a bank: blanks and id hidden under the next column")
            << "BANCA ROSSI" + blanks + "7\t000123" << QStringList{"BANCA ROSSI, 000123", "000123"};
        QTest::newRow("a name longer than its column, cut where it is cut")
            << QString(60, QLatin1Char('W')) + "\t1" << QStringList{QString(), "1"};
        QTest::newRow("an empty account") << "BANCA VERDI" + blanks + "12\t" << QStringList{"BANCA VERDI", ""};
    }

    void rowsReadAsShown()
    {
        QFETCH(QString, row);
        QFETCH(QStringList, read);
        ucLinkedList l;
        l.setListProperties(Banks);
        l.AddItem(row);
        QStringList spoken;
        for (int c = 0; c < 2; ++c)
            spoken << l.lstList(c)->item(0)->data(Qt::AccessibleTextRole).toString();
        if (read.at(0).isEmpty()) {
            // As many letters as the 170 pixels of the column show, no more.
            const QFontMetrics metrics(l.lstList(0)->font());
            QVERIFY(metrics.horizontalAdvance(spoken.at(0).section(',', 0, 0)) <= 170);
            QVERIFY(metrics.horizontalAdvance(spoken.at(0).section(',', 0, 0) + 'W') > 170);
            QVERIFY(spoken.at(0).endsWith(", 1"));
        } else {
            QCOMPARE(spoken, read);
        }
    }

    void oneTabStopWithArrows()
    {
        QWidget window;
        auto before = new QLineEdit(&window);
        auto l = new ucLinkedList(&window);
        l->setGeometry(0, 30, 300, 200);
        l->setListProperties(Banks);
        for (int i = 0; i < 3; ++i)
            l->AddItem(QStringLiteral("a%1\tb%1").arg(i));
        // After the columns in the focus chain, as a host's controls are.
        auto after = new QLineEdit(&window);
        after->move(0, 250);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), l->lstList(0));
        QTest::keyClick(l->lstList(0), Qt::Key_Down);
        QTest::keyClick(l->lstList(0), Qt::Key_Down);
        QCOMPARE((QList<int>{l->lstList(0)->selectedIndex(), l->lstList(1)->selectedIndex()}), (QList<int>{2, 2}));
        QTest::keyClick(l->lstList(0), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), after);
        // A click in another column brings the keys back to the first.
        clickRow(*l, 1, 1);
        QCOMPARE(QApplication::focusWidget(), l->lstList(0));
        QCOMPARE(l->ListIndex(), 1);
    }

    void nothingEnglishOrUnnamedLeftInside()
    {
        QWidget window;
        auto l = new ucLinkedList(&window);
        l->setListProperties(Banks);
        QStringList names;
        for (QWidget *w : l->findChildren<QWidget *>()) {
            if (!w->accessibleName().isEmpty())
                names << w->accessibleName();
        }
        names.sort();
        // Each column and header by its caption; the control's bars and each
        // list's own.
        const QString across = "Scorrimento orizzontale", down = "Scorrimento verticale";
        QCOMPARE(names, (QStringList{"Banca", "Banca", "Nr.Conto", "Nr.Conto", across, across, across, down, down,
                                     down}));
    }
};

QTEST_MAIN(TestUcLinkedList)
#include "tst_uclinkedlist.moc"
