// Speed of the typing helpers: one key of auto-completion on a list of
// 100 000 names against Qt's own linear search, and the amount in words.

#include "amountinwords.h"
#include "autocompletecombobox.h"
#include "combomessages.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int NameCount = 100000;

QStringList beneficiaryNames()
{
    const QStringList surnames = QStringLiteral(
        "ROSSI RUSSO FERRARI ESPOSITO BIANCHI ROMANO COLOMBO RICCI MARINO GRECO BRUNO GALLO CONTI "
        "DE LUCA MANCINI COSTA GIORDANO RIZZO LOMBARDI MORETTI BARBIERI FONTANA SANTORO MARIANI "
        "RINALDI CARUSO FERRARA GALLI MARTINI LEONE LONGO GENTILE MARTINELLI VITALE LOMBARDO SERRA "
        "COPPOLA DE SANTIS D'ANGELO MARCHETTI PARISI VILLA CONTE FERRO FABBRI BIANCO MARINI GRASSO "
        "VALENTINI MESSINA SALA DE ANGELIS GATTI PELLEGRINI PALUMBO SANNA FARINA RIZZI MONTI "
        "CATTANEO MORELLI AMATO SILVESTRI MAZZA TESTA GRASSI PELLEGRINO CARBONE GIULIANI BENEDETTI "
        "BARONE ROSSETTI CAPUTO MONTANARI GUERRA PALMIERI BERNARDI MARTINO FIORE DE ROSA FERRETTI "
        "BELLINI BASILE RIVA DONATI PIRAS VITALI BATTAGLIA SARTORI NERI COSTANTINI MILANI PAGANO "
        "RUGGIERO SORRENTINO D'AMICO ORLANDO DAMICO NEGRI ROSSINI NICOLÒ ZANETTI ÀLVARO")
                                    .split(QLatin1Char(' '));
    const QStringList firstNames = QStringLiteral(
        "MARIO LUCA GIUSEPPE ANTONIO FRANCESCO ALESSANDRO ANDREA MARCO MATTEO LORENZO GIOVANNI "
        "ROBERTO STEFANO PAOLO DAVIDE SIMONE FEDERICO RICCARDO GABRIELE NICOLA MARIA ANNA GIULIA "
        "FRANCESCA CHIARA SARA LAURA ELENA VALENTINA ALESSIA MARTINA SILVIA ELISA FEDERICA PAOLA "
        "ROBERTA MONICA CRISTINA SOFIA AURORA GINEVRA BEATRICE ALICE EMMA GIORGIA GRETA NOEMI "
        "LUDOVICA ARIANNA CAMILLA ILARIA SERENA BARBARA DANIELA CLAUDIA VALERIA MICHELA ANGELA "
        "ENRICO CARLO FABIO MASSIMO CLAUDIO SERGIO MAURIZIO ALBERTO GIORGIO PIETRO TOMMASO EDOARDO "
        "LEONARDO NICCOLÒ FILIPPO DANIELE EMANUELE VINCENZO SALVATORE DOMENICO")
                                      .split(QLatin1Char(' '));
    QRandomGenerator random(1500);
    QStringList names;
    names.reserve(NameCount);
    for (int i = 0; i < NameCount; ++i) {
        const QChar initial(u'A' + char16_t(random.bounded(26)));
        names << surnames[random.bounded(int(surnames.size()))] + QLatin1Char(' ')
                + firstNames[random.bounded(int(firstNames.size()))] + QLatin1Char(' ') + initial
                + QLatin1Char('.');
    }
    return names;
}

// Must go before the application object does.
std::unique_ptr<QComboBox> combo;

// The beneficiary field as the main window sets it up, with the list open
// as it is while the user types.
QComboBox &field()
{
    if (!combo) {
        combo = std::make_unique<QComboBox>();
        combo->setEditable(true);
        combo->setCompleter(nullptr);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItems(beneficiaryNames());
        combo->show();
        showDropDown(*combo);
        selectString(*combo, QStringLiteral("A")); // builds the index
    }
    return *combo;
}

struct Keystroke
{
    const char *typed; // already in the field, caret at its end
    char16_t key;
};

void setTyped(QComboBox &combo, const QString &typed)
{
    combo.lineEdit()->setText(typed);
    combo.lineEdit()->end(false);
}

void keystroke(benchmark::State &state, Keystroke k)
{
    QComboBox &combo = field();
    const QString typed = QString::fromUtf8(k.typed);
    for (auto _ : state) {
        state.PauseTiming();
        setTyped(combo, typed);
        state.ResumeTiming();
        benchmark::DoNotOptimize(AutoCompleteComboBox(combo, k.key));
    }
}

void keystrokeOpeningList(benchmark::State &state)
{
    QComboBox &combo = field();
    for (auto _ : state) {
        state.PauseTiming();
        hideDropDown(combo);
        setTyped(combo, QString());
        state.ResumeTiming();
        benchmark::DoNotOptimize(AutoCompleteComboBox(combo, u'M'));
    }
    showDropDown(combo);
}

// An item changes, so the next lookup rebuilds the whole index.
void indexBuild(benchmark::State &state)
{
    QComboBox &combo = field();
    const QString original = combo.itemText(0);
    bool flip = false;
    for (auto _ : state) {
        state.PauseTiming();
        flip = !flip;
        combo.setItemText(0, flip ? original + QLatin1Char('!') : original);
        state.ResumeTiming();
        benchmark::DoNotOptimize(selectString(combo, QStringLiteral("#")));
    }
    combo.setItemText(0, original);
}

// A payee was just added to the archive: the first key after it pays for
// patching the new name into the index.
void keystrokeAfterAdding(benchmark::State &state)
{
    QComboBox &combo = field();
    for (auto _ : state) {
        state.PauseTiming();
        setTyped(combo, QStringLiteral("RO"));
        state.ResumeTiming();
        combo.addItem(QStringLiteral("ROSSI NUOVO Z."));
        benchmark::DoNotOptimize(AutoCompleteComboBox(combo, u'S'));
        state.PauseTiming();
        combo.removeItem(combo.count() - 1);
        state.ResumeTiming();
    }
}

void qtFindText(benchmark::State &state, const char *prefix)
{
    QComboBox &combo = field();
    const QString text = QString::fromUtf8(prefix);
    for (auto _ : state)
        benchmark::DoNotOptimize(combo.findText(text, Qt::MatchStartsWith));
}

void amountInWords(benchmark::State &state, qint64 tenThousandths)
{
    const Currency amount = Currency::fromTenThousandths(tenThousandths);
    for (auto _ : state)
        benchmark::DoNotOptimize(AmountInWords(amount));
}

} // namespace

BENCHMARK_CAPTURE(keystroke, first_letter, Keystroke{"", u'M'})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(keystroke, third_letter, Keystroke{"RO", u'S'})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(keystroke, no_match, Keystroke{"ROSSI Q", u'X'})->Unit(benchmark::kMicrosecond);
BENCHMARK(keystrokeOpeningList)->Unit(benchmark::kMicrosecond);
BENCHMARK(keystrokeAfterAdding)->Unit(benchmark::kMicrosecond);
BENCHMARK(indexBuild)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(qtFindText, one_letter, "M")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(qtFindText, three_letters, "ROS")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(qtFindText, no_match, "ROSSI QX")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(amountInWords, small, Q_INT64_C(15000000));
BENCHMARK_CAPTURE(amountInWords, with_decimals, Q_INT64_C(12345678900));
BENCHMARK_CAPTURE(amountInWords, largest, Q_INT64_C(9999999999999999));

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    combo.reset();
    return 0;
}
