// The payee field with a million names, as the main window sets it up: the
// archive read into its list model, the keys of auto-completion on it, and
// the cheque print from the printer window's OK to the finished job.

#include "autocompletecombobox.h"
#include "chequeprint.h"
#include "combomessages.h"
#include "foldedprefixindex.h"
#include "layoutfile.h"
#include "qtprintdevice.h"
#include "runbenchmarks.h"
#include "textfile.h"
#include "textlinesmodel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>

namespace {

constexpr int NameCount = 1000000;

// "SURNAME FIRSTNAME X." lines, some with accented letters, as the archive
// holds them.
QByteArray archiveBytes()
{
    const QStringList surnames = QStringLiteral(
        "ROSSI RUSSO FERRARI ESPOSITO BIANCHI ROMANO COLOMBO RICCI MARINO GRECO BRUNO GALLO CONTI "
        "MANCINI COSTA GIORDANO RIZZO LOMBARDI MORETTI BARBIERI FONTANA SANTORO MARIANI RINALDI "
        "CARUSO FERRARA GALLI MARTINI LEONE LONGO GENTILE VITALE SERRA NICOLÒ ÀLVARO D'ANGELO "
        "PARISI VILLA CONTE FERRO FABBRI MARINI GRASSO")
                                    .split(QLatin1Char(' '));
    const QStringList firstNames = QStringLiteral(
        "MARIO LUCA GIUSEPPE ANTONIO FRANCESCO ALESSANDRO ANDREA MARCO MATTEO LORENZO GIOVANNI "
        "ROBERTO STEFANO PAOLO DAVIDE SIMONE MARIA ANNA GIULIA FRANCESCA CHIARA SARA LAURA ELENA "
        "VALENTINA NICCOLÒ SÌLVIA")
                                      .split(QLatin1Char(' '));
    QRandomGenerator random(1500);
    QStringList names;
    names.reserve(NameCount);
    for (int i = 0; i < NameCount; ++i) {
        names << surnames[random.bounded(int(surnames.size()))] + QLatin1Char(' ')
                + firstNames[random.bounded(int(firstNames.size()))] + QLatin1Char(' ')
                + QChar(u'A' + char16_t(random.bounded(26))) + QLatin1Char('.');
    }
    return TextFile::joinLines(names);
}

// Must go before the application object does.
std::unique_ptr<QTemporaryDir> folder;
std::unique_ptr<QComboBox> combo;
TextLinesModel *payees = nullptr;

// QUENDRA_BENCH_ARCHIVE names a file to use as the archive instead, to see
// how the field copes with one that is not a list of names at all.
QString archive()
{
    const QString given = qEnvironmentVariable("QUENDRA_BENCH_ARCHIVE");
    if (!given.isEmpty()) {
        if (!folder)
            folder = std::make_unique<QTemporaryDir>();
        return given;
    }
    if (!folder) {
        folder = std::make_unique<QTemporaryDir>();
        QFile file(folder->filePath(QStringLiteral("Beneficiari.ini")));
        if (!file.open(QIODevice::WriteOnly) || file.write(archiveBytes()) < 0)
            qFatal("cannot write the archive");
    }
    return folder->filePath(QStringLiteral("Beneficiari.ini"));
}

QComboBox &field()
{
    if (!combo) {
        combo = std::make_unique<QComboBox>();
        combo->setEditable(true);
        combo->setCompleter(nullptr);
        combo->setInsertPolicy(QComboBox::NoInsert);
        payees = new TextLinesModel(combo.get());
        combo->setModel(payees);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        qobject_cast<QListView *>(combo->view())->setUniformItemSizes(true);
        combo->setGeometry(0, 0, 325, 24);
        combo->show();
        payees->load(archive());
    }
    return *combo;
}

void setTyped(QComboBox &c, const QString &typed)
{
    c.lineEdit()->setText(typed);
    c.lineEdit()->end(false);
}

void load(benchmark::State &state)
{
    const QString path = archive();
    TextLinesModel model;
    for (auto _ : state)
        model.load(path);
    state.counters["rows"] = model.rowCount();
}

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

void focusIn(QComboBox &c)
{
    prepareSelectString(c);
    c.view()->doItemsLayout();
}

// The field takes the focus for the first time: the sort is started and
// the list laid out.
void focusFirstTime(benchmark::State &state)
{
    QComboBox &c = field();
    for (auto _ : state) {
        state.PauseTiming();
        payees->load(archive());
        state.ResumeTiming();
        focusIn(c);
    }
    payees->waitForLookup();
}

// The first key in the field: the list opens. With sorted = false the
// field has just taken the focus and the lookup is not ready (the key reads the list through, and the sort runs
// beside it on the other core); "ui_cpu_ms" is the user-interface thread's
// own CPU time per key.
void firstKey(benchmark::State &state, char16_t key, bool sorted)
{
    QComboBox &c = field();
    double cpu = 0;
    for (auto _ : state) {
        state.PauseTiming();
        hideDropDown(c);
        if (sorted) {
            payees->waitForLookup();
        } else {
            payees->load(archive()); // waits for a sort still running, drops its result
            focusIn(c);              // as the main window does when the field takes the focus
        }
        c.setCurrentIndex(-1);
        setTyped(c, QString());
        QApplication::processEvents();
        const double before = threadCpuMs();
        state.ResumeTiming();
        benchmark::DoNotOptimize(AutoCompleteComboBox(c, key));
        QApplication::processEvents(); // the list is laid out and painted
        state.PauseTiming();
        cpu += threadCpuMs() - before;
        state.ResumeTiming();
    }
    state.counters["ui_cpu_ms"] = cpu / double(state.iterations());
    payees->waitForLookup();
}

// The sort the first key starts, which runs on another thread.
void sortForLookup(benchmark::State &state)
{
    TextLinesModel model;
    model.load(archive());
    const QByteArray bytes = model.fileBytes();
    QList<quint32> starts{0};
    for (int row = 0; row < model.rowCount(); ++row)
        starts.append(starts.last() + quint32(TextFile::encode(model.text(row)).size()));
    const QByteArray packed = QByteArray(bytes).replace("\r\n", "");
    for (auto _ : state)
        benchmark::DoNotOptimize(FoldedPrefixIndex::build(packed, starts));
}

struct Keystroke
{
    const char *typed; // already in the field, caret at its end
    char16_t key;
};

// Every key after the first, with the list open and the lookup sorted.
void keyAfter(benchmark::State &state, Keystroke k)
{
    QComboBox &c = field();
    payees->waitForLookup();
    showDropDown(c);
    const QString typed = QString::fromUtf8(k.typed);
    for (auto _ : state) {
        state.PauseTiming();
        setTyped(c, typed);
        state.ResumeTiming();
        benchmark::DoNotOptimize(AutoCompleteComboBox(c, k.key));
    }
}

// A payee just added: the next key pays for patching it into the lookup.
void keyAfterAdding(benchmark::State &state)
{
    QComboBox &c = field();
    payees->waitForLookup();
    showDropDown(c);
    for (auto _ : state) {
        state.PauseTiming();
        setTyped(c, QStringLiteral("RO"));
        state.ResumeTiming();
        payees->append(QStringLiteral("ROSSI NUOVO Z."));
        benchmark::DoNotOptimize(AutoCompleteComboBox(c, u'S'));
        state.PauseTiming();
        payees->removeRows(payees->rowCount() - 1, 1);
        state.ResumeTiming();
    }
}

// OK in the printer window: the layout file is rewritten with place and
// account, then the page is printed and the job closed (here into a PDF).
void chequePrint(benchmark::State &state)
{
    archive();
    ChequeLayout layout;
    QString place;
    QString account;
    LayoutFile::readLines(LayoutFile::defaultLines(), layout, place, account);
    ChequeFields fields;
    fields.LUOGO = QStringLiteral("Castelrovo");
    fields.GGMMAAAA = QStringLiteral("12/03/2026");
    fields.IMPORTO = QStringLiteral("1500,00");
    fields.IMPORTO_ABC = QStringLiteral("MILLECINQUECENTO / 00###");
    fields.BENEFICIARIO = QStringLiteral("ROSSI MARIO");
    fields.NumCC = QStringLiteral("000012345678");
    const QString layoutFile = folder->filePath(QStringLiteral("Quendra1.ini"));
    QtPrintDevice printer(folder->filePath(QStringLiteral("cheque.pdf")));
    for (auto _ : state) {
        TextFile::writeLines(layoutFile, LayoutFile::lines(fields.LUOGO, layout, fields.NumCC));
        benchmark::DoNotOptimize(PrintChequePage(printer, layout, fields));
    }
}

} // namespace

BENCHMARK(load)->Unit(benchmark::kMillisecond);
BENCHMARK(focusFirstTime)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK_CAPTURE(firstKey, unsorted, u'M', false)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK_CAPTURE(firstKey, unsorted_no_match, u'Q', false)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK_CAPTURE(firstKey, sorted, u'M', true)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(sortForLookup)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(keyAfter, first_letter, Keystroke{"", u'M'})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(keyAfter, third_letter, Keystroke{"RO", u'S'})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(keyAfter, no_match, Keystroke{"ROSSI Q", u'X'})->Unit(benchmark::kMicrosecond);
BENCHMARK(keyAfterAdding)->Unit(benchmark::kMillisecond);
BENCHMARK(chequePrint)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv, [] {
        combo.reset();
        folder.reset();
    });
}
