#include "listgeometry.h"

#include <QtTest>

using Ints = QList<int>;

class TestListGeometry : public QObject
{
    Q_OBJECT

private slots:
    void columns_data();
    void columns();
    void scrollBars_data();
    void scrollBars();
};

void TestListGeometry::columns_data()
{
    QTest::addColumn<QString>("definition");
    QTest::addColumn<int>("scrollBarWidth");
    QTest::addColumn<Ints>("listWidths");
    QTest::addColumn<Ints>("headerWidths");
    QTest::addColumn<Ints>("listLefts");
    QTest::addColumn<Ints>("headerLefts");
    QTest::addColumn<int>("backWidth");

    QTest::newRow("bank list") << "Banca,170|Nr.Conto,93" << 17 << Ints{187, 110}
                               << Ints{169, 107} << Ints{-1, 168} << Ints{0, 169} << 276;
    QTest::newRow("three columns") << "A,10|B,20|C,30" << 16 << Ints{26, 36, 46}
                                   << Ints{9, 19, 43} << Ints{-1, 8, 27} << Ints{0, 9, 28} << 71;
    // The width is the number the text starts with; a sign or junk after it
    // does not break the rest of the row.
    QTest::newRow("leading number") << "A, 12px|B,x|C,-5,9" << 10
                                    << Ints{22, 10, 10} << Ints{11, -1, 7} << Ints{-1, 10, 9} << Ints{0, 11, 10} << 17;
    QTest::newRow("part without comma") << "Nome|Conto,50" << 17 << Ints{17, 67}
                                        << Ints{-1, 64} << Ints{-1, -2} << Ints{0, -1} << 63;
}

void TestListGeometry::columns()
{
    QFETCH(QString, definition);
    QFETCH(int, scrollBarWidth);
    const QList<ColumnSpec> specs = ParseColumnDefinition(definition);
    const QList<ColumnGeometry> columns = LayoutColumns(specs, scrollBarWidth);
    Ints listWidths, headerWidths, listLefts, headerLefts;
    for (const ColumnGeometry &g : columns) {
        listWidths << g.listWidth;
        headerWidths << g.headerWidth;
        listLefts << g.listLeft;
        headerLefts << g.headerLeft;
    }
    QTEST(listWidths, "listWidths");
    QTEST(headerWidths, "headerWidths");
    QTEST(listLefts, "listLefts");
    QTEST(headerLefts, "headerLefts");
    QTEST(BackPanelWidth(columns), "backWidth");
}

// The bank list's columns (276 pixels), scroll bars 17 wide, rows 15 high
// under an 18-pixel header.
void TestListGeometry::scrollBars_data()
{
    QTest::addColumn<QSize>("inner");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("listHeight");
    QTest::addColumn<QRect>("horizontal"); // empty when hidden
    QTest::addColumn<Ints>("horizontalRange"); // maximum, page step, single step
    QTest::addColumn<QRect>("vertical");
    QTest::addColumn<Ints>("verticalRange");

    QTest::newRow("wide: neither bar") << QSize(300, 200) << 30 << 184 << QRect() << Ints{} << QRect() << Ints{};
    QTest::newRow("narrow, rows do not fit: both") << QSize(200, 150) << 30 << 122 << QRect(0, 133, 200, 17)
                                                   << Ints{76, 200, 40} << QRect(183, 18, 17, 115) << Ints{22, 8, 15};
    QTest::newRow("narrow, rows fit: horizontal only") << QSize(200, 150) << 7 << 122 << QRect(0, 133, 200, 17)
                                                       << Ints{76, 200, 40} << QRect() << Ints{};
}

void TestListGeometry::scrollBars()
{
    QFETCH(QSize, inner);
    QFETCH(int, rows);
    const ScrollLayout s = LayoutScrollBars(276, {17, 15, 18, inner, rows});
    const auto rect = [](const ScrollBarGeometry &b) { return b.visible ? b.rect : QRect(); };
    const auto range = [](const ScrollBarGeometry &b) {
        return b.visible ? Ints{b.maximum, b.pageStep, b.singleStep} : Ints{};
    };
    QTEST(s.listHeight, "listHeight");
    QTEST(rect(s.horizontal), "horizontal");
    QTEST(range(s.horizontal), "horizontalRange");
    QTEST(rect(s.vertical), "vertical");
    QTEST(range(s.vertical), "verticalRange");
}

QTEST_GUILESS_MAIN(TestListGeometry)
#include "tst_listgeometry.moc"
