#pragma once

#include <QDialog>

class MessageBoxes;
class PrintDevice;
class QLineEdit;
class QPushButton;
class ucLinkedList;

/// The bank list window: the bank archive in a two-column list, where the
/// user adds and deletes bank accounts and picks one to calibrate. The list
/// is the only copy of the archive while the window is open; the file is
/// rewritten whole however the window closes.
class FrmBanche : public QDialog
{
    Q_OBJECT

public:
    /// idBanca, bankName and accountNumber are the program's current bank,
    /// which Calibrazione sets. mainWindow, when given, is shown again as
    /// the window closes through its own buttons.
    FrmBanche(const QString &dataFolder, qint32 &idBanca, QString &bankName, QString &accountNumber,
              MessageBoxes &messages, PrintDevice &printer, QWidget *mainWindow = nullptr,
              QWidget *parent = nullptr);

    ucLinkedList *lstbanche;
    QLineEdit *MaxID;
    QPushButton *AddBAN;
    QPushButton *DelBAN;
    QPushButton *Calibrazione;
    QPushButton *Uscita;

    /// Writes the archive and closes, whatever closes the window.
    void done(int result) override;

private:
    void load();
    void addBank();
    void deleteBank();
    void calibrate();
    void exit();

    const QString m_dataFolder;
    qint32 &m_idBanca;
    QString &m_bankName;
    QString &m_accountNumber;
    MessageBoxes &m_messages;
    PrintDevice &m_printer;
    QWidget *m_mainWindow;
    bool m_written = false;
};
