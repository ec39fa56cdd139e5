#pragma once

#include "bankarchive.h"

#include <QDialog>

class MessageBoxes;
class PrintDevice;
class QLineEdit;
class QPushButton;
class ucLinkedList;

/// The bank list window: the bank archive in a two-column list, where the
/// user adds and deletes bank accounts and picks one to calibrate. The
/// window keeps the file's lines as they were read, shown or not, and
/// writes them back, with the banks added and deleted, only when there was
/// such a change; a save that fails keeps the window open.
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

    /// Writes the archive if a bank was added or deleted, and closes unless
    /// that write failed: the user may retry, or, at the next failure,
    /// choose to leave without the changes.
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
    QList<BankArchive::FileLine> m_lines; // the file as read, with the changes
    QList<qsizetype> m_rowLines;          // row -> its line in m_lines
    bool m_changed = false;
    bool m_failedBefore = false;
    bool m_closed = false;
    bool m_abandoned = false; // closed without the changes the disk refused
};
