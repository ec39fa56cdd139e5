#include "listgeometry.h"

#include <QtTest>

using Ints = QList<int>;

class TestListGeometry : public QObject
{
    Q_OBJECT

private slots:
    void columns_data()
    {
        QTest::addColumn<QString>("definition");
        QTest::addColumn<int>("scrollBarWidth");
        QTest::addColumn<QList<Ints>>("columns"); // list width, header width, list left, header left
        QTest::addColumn<int>("backWidth");

        QTest::newRow("three columns") << "A,10|B,20|C,30" << 16
                                       << QList<Ints>{{26, 9, -1, 0}, {36, 19, 8, 9}, {46, 43, 27, 28}} << 71;
        // The width is the number the text starts with; a sign or junk after it
        // does not break the rest of the row.
        QTest::newRow("leading number") << "A, 12px|B,x|C,-5,9" << 10
                                        << QList<Ints>{{22, 11, -1, 0}, {10, -1, 10, 11}, {10, 7, 9, 10}} << 17;
        QTest::newRow("part without comma") << "Nome|Conto,50" << 17
                                            << QList<Ints>{{17, -1, -1, 0}, {67, 64, -2, -1}} << 63;
    }

    void columns()
    {
        QFETCH(QString, definition);
        QFETCH(int, scrollBarWidth);
        const QList<ColumnGeometry> columns = LayoutColumns(ParseColumnDefinition(definition), scrollBarWidth);
        QList<Ints> got;
        for (const ColumnGeometry &g : columns)
            got.append({g.listWidth, g.headerWidth, g.listLeft, g.headerLeft});
        QTEST(got, "columns");
        QTEST(BackPanelWidth(columns), "backWidth");
    }

    // The bank list's columns (276 pixels), scroll bars 17 wide, rows 15 high
    // under an 18-pixel header.
    void scrollBars_data()
    {
        QTest::addColumn<QSize>("inner");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("listHeight");
        QTest::addColumn<Ints>("horizontal"); // x, y, width, height, maximum, page step, single step; empty when hidden
        QTest::addColumn<Ints>("vertical");

        QTest::newRow("wide: neither bar") << QSize(300, 200) << 30 << 184 << Ints{} << Ints{};
        QTest::newRow("narrow, rows do not fit: both") << QSize(200, 150) << 30 << 122 << Ints{0, 133, 200, 17, 76, 200, 40}
                                                       << Ints{183, 18, 17, 115, 22, 8, 15};
        QTest::newRow("narrow, rows fit: horizontal only") << QSize(200, 150) << 7 << 122
                                                           << Ints{0, 133, 200, 17, 76, 200, 40} << Ints{};
    }

    void scrollBars()
    {
        QFETCH(QSize, inner);
        QFETCH(int, rows);
        const ScrollLayout s = LayoutScrollBars(276, {17, 15, 18, inner, rows});
        const auto bar = [](const ScrollBarGeometry &b) {
            const QRect &r = b.rect;
            return b.visible ? Ints{r.x(), r.y(), r.width(), r.height(), b.maximum, b.pageStep, b.singleStep} : Ints{};
        };
        QTEST(s.listHeight, "listHeight");
        QTEST(bar(s.horizontal), "horizontal");
        QTEST(bar(s.vertical), "vertical");
    }
};

QTEST_GUILESS_MAIN(TestListGeometry)
#include "tst_listgeometry.moc"
