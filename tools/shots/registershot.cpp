// Saves a picture of the register window "Registro assegni" over a dozen
// cheques of two banks, one of them annulled and some with their number.
// Usage: registershot OUT.png

#include "chequestore.h"
#include "filechooser.h"
#include "frmregistro.h"
#include "messageboxes.h"

#include <QApplication>
#include <QPixmap>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>

namespace {

struct NoBoxes : MessageBoxes
{
    Answer ask(const Request &) override { return Answer::No; }
};

struct NoFile : FileChooser
{
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: registershot OUT.png\n");
        return 2;
    }
    QTemporaryDir dir;
    {
        ChequeStore store(ChequeStore::fileName(dir.path()));
        const QStringList payees = {"Tipografia Rossi Srl", "Bianchi Mario", "Enel Energia", "Ferrari Anna",
                                    "Condominio Via Roma 3", "Studio Greco", "Colombo & Figli", "Ricci Paola",
                                    "Ferramenta Gallo", "Marino Luca", "Bruno Carla", "Costa Spa"};
        for (int i = 0; i < payees.size(); ++i) {
            ChequeRecord r;
            r.printedAt = QDateTime(QDate(2026, 11, 2).addDays(i * 3), QTime(9 + i % 8, 15 + i));
            r.bankName = i % 3 ? QStringLiteral("Banca di Castelrovo") : QStringLiteral("Cassa Rurale di Borgo");
            r.bankId = i % 3 ? 1 : 2;
            r.account = i % 3 ? QStringLiteral("000123456") : QStringLiteral("000987654");
            r.place = i % 4 ? QStringLiteral("Castelrovo") : QStringLiteral("Borgo");
            r.date = r.printedAt.date().toString(QStringLiteral("dd/MM/yyyy"));
            r.amountCents = (i * 7919 % 250000) + 2000;
            r.payee = payees[i];
            r.printer = QStringLiteral("Ufficio");
            if (i < 8)
                r.serial = QStringLiteral("0714%1").arg(5520 + i);
            if (i == 5) {
                r.annulled = true;
                r.annulReason = QStringLiteral("importo sbagliato");
            }
            store.add(r);
        }
    }
    NoBoxes boxes;
    NoFile files;
    FrmRegistro window(dir.path(), boxes, files);
    window.resize(1080, 380);
    window.show();
    window.Tabella->selectRow(2);
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
