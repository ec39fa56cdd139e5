#pragma once

#include <QDialog>
#include <functional>

class MessageBoxes;
class QLabel;
class QLineEdit;
class QPushButton;

/// The new bank dialog: name and account number of one bank account. SALVA
/// gives the bank the first id after the bank list window's MaxID that no
/// file of dataFolder carries (BankArchive::nextId) and hands the new row
/// (name field, TAB, account number) to addRow; the archive file is written
/// later, when the bank list window closes.
class frmNewBanca : public QDialog
{
    Q_OBJECT

public:
    frmNewBanca(QLineEdit &maxId, const QString &dataFolder, std::function<void(const QString &)> addRow,
                MessageBoxes &messages, QWidget *parent = nullptr);

    /// Yellow for the focused text field, the window colour for the other.
    void CtlFocus(QWidget *field);

    QLabel *Label3;
    QLineEdit *NomeBanca;
    QLabel *Label5;
    QLineEdit *NumCC;
    QPushButton *Salva;
    QPushButton *Uscita;

private:
    void save();
    bool storable(QLineEdit *field, const QString &what);

    QLineEdit &m_maxId;
    const QString m_dataFolder;
    std::function<void(const QString &)> m_addRow;
    MessageBoxes &m_messages;
};
