#pragma once

#include <QObject>

class QComboBox;
class QKeyEvent;
class QLineEdit;

/// The main window's key rules: Enter walks from the place to the date,
/// the amount and the payee, whatever the modifiers; the amount takes only
/// the keys of an amount (digits, comma, dot); BANCA takes no typed
/// character, list open or closed.
class EntryKeys : public QObject
{
    Q_OBJECT

public:
    EntryKeys(QLineEdit &place, QLineEdit &date, QLineEdit &amount, QComboBox &payee, QComboBox &bank);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool amountKeyRefused(QKeyEvent *key);

    QLineEdit &m_place;
    QLineEdit &m_date;
    QLineEdit &m_amount;
    QComboBox &m_payee;
    QComboBox &m_bank;
};
