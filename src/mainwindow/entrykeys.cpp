#include "entrykeys.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

EntryKeys::EntryKeys(QLineEdit &place, QLineEdit &date, QLineEdit &amount, QComboBox &payee, QComboBox &bank)
    : QObject(&place)
    , m_place(place)
    , m_date(date)
    , m_amount(amount)
    , m_payee(payee)
    , m_bank(bank)
{
    for (QObject *field : {static_cast<QObject *>(&place), static_cast<QObject *>(&date),
                           static_cast<QObject *>(&amount), static_cast<QObject *>(&bank)})
        field->installEventFilter(this);
    // The open list takes the keyboard; without this it would pick a bank
    // by its first letter.
    bank.view()->installEventFilter(this);
}

bool EntryKeys::amountKeyRefused(QKeyEvent *key)
{
    // Keys that type nothing (arrows, Delete, Home) and focus keys are not
    // characters: they work as in any field.
    if (key->text().isEmpty() || key->key() == Qt::Key_Delete || key->key() == Qt::Key_Tab
        || key->key() == Qt::Key_Backtab)
        return false;
    // Digits and both separators go on to the field's rule, which knows
    // whether the amount can take them there; everything else, the paste
    // shortcut included, is no part of an amount.
    const QChar c = key->text().at(0);
    return !((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('\b')
             || c == QLatin1Char('.') || c == QLatin1Char(','));
}

bool EntryKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto key = static_cast<QKeyEvent *>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;

    if (watched == &m_bank || watched == m_bank.view()) {
        // A bank is chosen with the mouse or the arrows only: no typed
        // character reaches the field or its open list.
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        default:
            return !key->text().isEmpty();
        }
    }
    if (watched == &m_amount && !enter)
        return amountKeyRefused(key);
    if (!enter)
        return false;
    QWidget *next = watched == &m_place ? static_cast<QWidget *>(&m_date)
        : watched == &m_date            ? static_cast<QWidget *>(&m_amount)
        : watched == &m_amount          ? static_cast<QWidget *>(&m_payee)
                                        : nullptr;
    if (next)
        next->setFocus(Qt::TabFocusReason);
    return next != nullptr;
}
