// Speed of the list control with 10 000 rows: filling it, a full-row click
// and the other changes that make it work on every column at once.

#include "columnlist.h"
#include "runbenchmarks.h"
#include "uclinkedlist.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int RowCount = 10000;

QString row(int i)
{
    return QStringLiteral("Banca numero %1\t%2").arg(i).arg(1000457 + i * 7919, 12, 10, QLatin1Char('0'));
}

// As the bank list shows it: two columns in a box narrower than they are.
std::unique_ptr<ucLinkedList> shownList()
{
    auto list = std::make_unique<ucLinkedList>();
    list->setListProperties(QStringLiteral("Banca,170|Nr.Conto,93"));
    list->resize(230, 300);
    list->show();
    QApplication::processEvents();
    return list;
}

void fill(ucLinkedList &list)
{
    for (int i = 0; i < RowCount; ++i)
        list.AddItem(row(i));
}

// withPaint: until the rows are laid out and painted, as the user waits.
void addItems(benchmark::State &state, bool withPaint)
{
    auto list = shownList();
    for (auto _ : state) {
        state.PauseTiming();
        list->ClearList();
        QApplication::processEvents();
        state.ResumeTiming();
        fill(*list);
        if (withPaint)
            QApplication::processEvents();
    }
}

void fullRowClick(benchmark::State &state)
{
    auto list = shownList();
    fill(*list);
    list->lstList(0)->verticalScrollBar()->setValue(RowCount / 2);
    QApplication::processEvents();
    ColumnList *column = list->lstList(1);
    const QPoint first = column->visualItemRect(column->item(RowCount / 2)).center();
    const QPoint second = column->visualItemRect(column->item(RowCount / 2 + 1)).center();
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        QTest::mouseClick(column->viewport(), Qt::LeftButton, {}, flip ? first : second);
        QApplication::processEvents();
    }
}

void listIndexWrite(benchmark::State &state)
{
    auto list = shownList();
    fill(*list);
    int index = 0;
    for (auto _ : state) {
        index = (index + 4999) % RowCount;
        list->setListIndex(index);
        QApplication::processEvents();
    }
}

void removeFirstRow(benchmark::State &state)
{
    auto list = shownList();
    fill(*list);
    int added = RowCount;
    for (auto _ : state) {
        list->RemoveItem(0);
        QApplication::processEvents();
        state.PauseTiming();
        list->AddItem(row(added++));
        state.ResumeTiming();
    }
}

void scrollToMiddle(benchmark::State &state)
{
    auto list = shownList();
    fill(*list);
    QApplication::processEvents();
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        list->vsbScroll()->setValue(flip ? RowCount / 2 : 0);
        QApplication::processEvents();
    }
}

} // namespace

BENCHMARK_CAPTURE(addItems, rows_only, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(addItems, until_painted, true)->Unit(benchmark::kMillisecond);
BENCHMARK(fullRowClick)->Unit(benchmark::kMicrosecond);
BENCHMARK(listIndexWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(removeFirstRow)->Unit(benchmark::kMicrosecond);
BENCHMARK(scrollToMiddle)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv);
}
