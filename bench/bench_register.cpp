// The cheque register with 100 000 cheques: the window opened until its
// first rows are painted, each filter, and one cheque recorded as a print
// records it (the file opened, the row written and synced, closed).

#include "chequestore.h"
#include "filechooser.h"
#include "frmregistro.h"
#include "messageboxes.h"
#include "runbenchmarks.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int RowCount = 100000;

struct NoBoxes : MessageBoxes
{
    Answer ask(const Request &) override { return Answer::No; }
};

struct NoFile : FileChooser
{
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
};

ChequeRecord sample(int i)
{
    static const QStringList payees = {"ROSSI MARIO", "Bianchi Srl", "Ferrari Anna", "Esposito & C.", "Greco Luca",
                                       "Colombo Spa", "Ricci Paola", "Marino Gino", "Bruno Carla", "Gallo Ivo"};
    ChequeRecord r;
    r.printedAt = QDateTime(QDate(2016, 1, 1), QTime(9, 0)).addSecs(qint64(i) * 3000);
    r.bankName = QStringLiteral("Banca %1").arg(i % 7);
    r.bankId = i % 7;
    r.account = QStringLiteral("000%1").arg(i % 7);
    r.place = QStringLiteral("Castelrovo");
    r.date = r.printedAt.date().toString(QStringLiteral("dd/MM/yyyy"));
    r.amountCents = 1000 + (i * 7919) % 5000000;
    r.amountWords = QStringLiteral("MILLECINQUECENTO / 00");
    r.payee = payees[i % payees.size()] + QStringLiteral(" %1").arg(i % 997);
    r.printer = QStringLiteral("Ufficio");
    return r;
}

// The rows go in through SQL in one transaction: 100 000 synced adds
// would take minutes.
QString &dataFolder()
{
    static QTemporaryDir dir;
    static QString folder = [] {
        { ChequeStore store(ChequeStore::fileName(dir.path())); }
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(ChequeStore::fileName(dir.path()));
        db.open();
        db.transaction();
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO cheques (printed_at, bank_name, bank_id, account, place, date_typed, "
                                 "amount_cents, amount_words, payee, printer) VALUES (?,?,?,?,?,?,?,?,?,?)"));
        for (int i = 0; i < RowCount; ++i) {
            const ChequeRecord r = sample(i);
            for (const QVariant &v : {QVariant(r.printedAt.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))),
                                      QVariant(r.bankName), QVariant(r.bankId), QVariant(r.account),
                                      QVariant(r.place), QVariant(r.date), QVariant(r.amountCents),
                                      QVariant(r.amountWords), QVariant(r.payee), QVariant(r.printer)})
                q.addBindValue(v);
            q.exec();
        }
        q.finish();
        db.commit();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("fill"));
        return dir.path();
    }();
    return folder;
}

NoBoxes boxes;
NoFile files;

void openWindow(benchmark::State &state)
{
    dataFolder();
    for (auto _ : state) {
        FrmRegistro window(dataFolder(), boxes, files);
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.opened());
    }
}
BENCHMARK(openWindow)->Unit(benchmark::kMillisecond);

// Each filter set and cleared again, until the table is painted.
void filter(benchmark::State &state)
{
    FrmRegistro window(dataFolder(), boxes, files);
    window.show();
    QApplication::processEvents();
    const int which = int(state.range(0));
    for (auto _ : state) {
        switch (which) {
        case 0:
            window.Beneficiario->setText(QStringLiteral("ross"));
            break;
        case 1:
            window.Banca->setCurrentIndex(3);
            break;
        case 2:
            window.Dal->setDate(QDate(2018, 1, 1));
            window.Al->setDate(QDate(2018, 12, 31));
            break;
        default:
            window.Beneficiario->setText(QStringLiteral("nessuno così"));
        }
        QApplication::processEvents();
        state.PauseTiming();
        window.Beneficiario->clear();
        window.Banca->setCurrentIndex(0);
        window.Dal->setDate(window.Dal->minimumDate());
        window.Al->setDate(window.Al->minimumDate());
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(filter)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

void recordOneCheque(benchmark::State &state)
{
    int i = RowCount;
    for (auto _ : state) {
        ChequeStore store(ChequeStore::fileName(dataFolder()));
        benchmark::DoNotOptimize(store.add(sample(i++)));
    }
}
BENCHMARK(recordOneCheque)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv);
}
