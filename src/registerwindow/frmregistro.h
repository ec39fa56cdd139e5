#pragma once

#include "chequerecord.h"

#include <QDialog>

#include <memory>

class ChequeStore;
class FileChooser;
class MessageBoxes;
class RegisterTableModel;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

/// "Registro assegni": the cheques printed, newest first, filtered by
/// period, bank and payee, with the total of what is shown. A cheque's
/// serial number can be noted, a cheque annulled with a reason (never
/// deleted), the rows shown exported as CSV, and a row handed back to the
/// main window for a new cheque.
class FrmRegistro : public QDialog
{
    Q_OBJECT

public:
    FrmRegistro(const QString &dataFolder, MessageBoxes &messages, FileChooser &files, QWidget *parent = nullptr);
    ~FrmRegistro() override;

    /// False, after telling the user why, when the register cannot be opened.
    bool opened();

    /// What the filters let through, as the table shows it.
    RegisterFilter filter() const;

    QDateEdit *Dal;
    QDateEdit *Al;
    QComboBox *Banca;
    QLineEdit *Beneficiario;
    QTableView *Tabella;
    QLabel *Totale;
    QLineEdit *Motivo;
    QPushButton *Annulla;
    QPushButton *Ristampa;
    QPushButton *Esporta;
    QPushButton *Chiudi;

Q_SIGNALS:
    /// Ristampa: the main window's fields are to be filled from \a cheque.
    void reprintRequested(const ChequeRecord &cheque);

private:
    void createControls();
    /// Reads the rows again, the row \a keep (or the one selected) still selected.
    void refresh(qint64 keep = 0);
    void fillBanks();
    const ChequeRecord *current() const;
    void annulCurrent();
    void reprintCurrent();
    void exportShown();
    void noteSerial(qint64 id, const QString &serial);
    void tellFailed(const QString &what);

    MessageBoxes &m_messages;
    FileChooser &m_files;
    std::unique_ptr<ChequeStore> m_store;
    RegisterTableModel *m_model = nullptr;
};
