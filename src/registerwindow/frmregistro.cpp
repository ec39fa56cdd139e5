#include "frmregistro.h"

#include "chequestore.h"
#include "filechooser.h"
#include "messageboxes.h"
#include "registercsv.h"
#include "registertablemodel.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

FrmRegistro::FrmRegistro(const QString &dataFolder, MessageBoxes &messages, FileChooser &files, QWidget *parent)
    : QDialog(parent)
    , m_messages(messages)
    , m_files(files)
    , m_store(std::make_unique<ChequeStore>(ChequeStore::fileName(dataFolder)))
{
    createControls();
    connect(m_model, &RegisterTableModel::serialEdited, this, &FrmRegistro::noteSerial, Qt::QueuedConnection);
    connect(Dal, &QDateEdit::dateChanged, this, [this] { refresh(); });
    connect(Al, &QDateEdit::dateChanged, this, [this] { refresh(); });
    connect(Banca, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(Beneficiario, &QLineEdit::textChanged, this, [this] { refresh(); });
    connect(Annulla, &QPushButton::clicked, this, &FrmRegistro::annulCurrent);
    connect(Ristampa, &QPushButton::clicked, this, &FrmRegistro::reprintCurrent);
    connect(Esporta, &QPushButton::clicked, this, &FrmRegistro::exportShown);
    connect(Chiudi, &QPushButton::clicked, this, &QDialog::reject);
    if (m_store->isOpen()) {
        fillBanks();
        refresh();
    }
}

// The rows and their query go before the store's connection.
FrmRegistro::~FrmRegistro()
{
    Tabella->setModel(nullptr);
    delete m_model;
}

bool FrmRegistro::opened()
{
    if (m_store->isOpen())
        return true;
    m_messages.notify(QStringLiteral("Il registro degli assegni %1 non si può aprire: %2.")
                          .arg(QDir::toNativeSeparators(m_store->file()), m_store->error()),
                      MessageBoxes::Icon::Critical);
    return false;
}

RegisterFilter FrmRegistro::filter() const
{
    RegisterFilter f;
    if (Dal->date() != Dal->minimumDate())
        f.from = Dal->date();
    if (Al->date() != Al->minimumDate())
        f.to = Al->date();
    if (Banca->currentIndex() > 0)
        f.bankName = Banca->currentText();
    f.payeeText = Beneficiario->text().trimmed();
    return f;
}

void FrmRegistro::fillBanks()
{
    const QSignalBlocker quiet(Banca);
    Banca->clear();
    Banca->addItem(QStringLiteral("(tutte le banche)"));
    Banca->addItems(m_store->bankNames());
}

void FrmRegistro::refresh(qint64 keep)
{
    const RegisterFilter f = filter();
    if (!keep && current())
        keep = current()->id;
    const auto summary = m_store->summary(f);
    // With nothing to show, the table's query would only scan every row again.
    if (summary && summary->count == 0)
        m_model->clear();
    else
        m_model->setQuery(m_store->select(f));
    if (!summary) {
        Totale->setText(QStringLiteral("Il registro non si può leggere: %1").arg(m_store->error()));
        return;
    }
    Totale->setText(summary->count == 1
                        ? QStringLiteral("1 assegno, totale € %1").arg(centsGrouped(summary->totalCents))
                        : QStringLiteral("%1 assegni, totale € %2 (annullati esclusi)")
                              .arg(summary->count)
                              .arg(centsGrouped(summary->totalCents)));
    // The newest cheque is chosen when the one chosen before is not shown,
    // so that the buttons work from the keyboard at once.
    int chosen = m_model->rowCount() > 0 ? 0 : -1;
    for (int row = 0; keep && row < m_model->rowCount(); ++row)
        if (m_model->record(row).id == keep) {
            chosen = row;
            break;
        }
    if (chosen >= 0)
        Tabella->selectRow(chosen);
}

const ChequeRecord *FrmRegistro::current() const
{
    const QModelIndexList rows = Tabella->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return nullptr;
    return &m_model->record(rows.first().row());
}

void FrmRegistro::tellFailed(const QString &what)
{
    m_messages.notify(QStringLiteral("%1 non è stato scritto nel registro degli assegni %2: %3.")
                          .arg(what, QDir::toNativeSeparators(m_store->file()), m_store->error()),
                      MessageBoxes::Icon::Critical);
}

void FrmRegistro::noteSerial(qint64 id, const QString &serial)
{
    m_model->clear();
    if (!m_store->setSerial(id, serial))
        tellFailed(QStringLiteral("Il numero dell'assegno"));
    refresh(id);
}

void FrmRegistro::annulCurrent()
{
    const ChequeRecord *cheque = current();
    if (!cheque) {
        m_messages.notify(QStringLiteral("Scegliere nell'elenco l'assegno da annullare."),
                          MessageBoxes::Icon::Exclamation);
        return;
    }
    if (cheque->annulled) {
        m_messages.notify(QStringLiteral("Questo assegno è già annullato."), MessageBoxes::Icon::Information);
        return;
    }
    const QString reason = Motivo->text().trimmed();
    if (reason.isEmpty()) {
        m_messages.notify(QStringLiteral("Scrivere nel campo Motivo perché l'assegno viene annullato."),
                          MessageBoxes::Icon::Exclamation);
        Motivo->setFocus();
        return;
    }
    const QString question = QStringLiteral("Annullare l'assegno di € %1 a «%2» del %3? Resterà nel registro, "
                                            "segnato come annullato.")
                                 .arg(centsGrouped(cheque->amountCents), cheque->payee,
                                      cheque->printedAt.toString(QStringLiteral("dd/MM/yyyy")));
    if (m_messages.question(question, MessageBoxes::Icon::Question, MessageBoxes::Answer::No)
        != MessageBoxes::Answer::Yes)
        return;
    const qint64 id = cheque->id;
    m_model->clear();
    if (m_store->annul(id, reason))
        Motivo->clear();
    else
        tellFailed(QStringLiteral("L'annullamento"));
    refresh(id);
}

void FrmRegistro::reprintCurrent()
{
    const ChequeRecord *cheque = current();
    if (!cheque) {
        m_messages.notify(QStringLiteral("Scegliere nell'elenco l'assegno da ristampare."),
                          MessageBoxes::Icon::Exclamation);
        return;
    }
    const ChequeRecord copy = *cheque;
    accept();
    emit reprintRequested(copy);
}

void FrmRegistro::exportShown()
{
    const QString file = m_files.saveFileName(this, QStringLiteral("Esporta il registro"),
                                              QDir::home().filePath(QStringLiteral("Registro assegni.csv")),
                                              QStringLiteral("File CSV (*.csv)"));
    if (file.isEmpty())
        return;
    const auto rows = m_store->list(filter(), ChequeStore::Order::OldestFirst);
    QString reason = m_store->error();
    if (!rows || !RegisterCsv::write(file, *rows, &reason)) {
        m_messages.notify(QStringLiteral("Il file %1 non è stato scritto: %2.")
                              .arg(QDir::toNativeSeparators(file), reason),
                          MessageBoxes::Icon::Critical);
        return;
    }
    m_messages.notify(QStringLiteral("%1 assegni esportati in %2.")
                          .arg(rows->size())
                          .arg(QDir::toNativeSeparators(file)),
                      MessageBoxes::Icon::Information);
}
