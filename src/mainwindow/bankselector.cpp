#include "bankselector.h"

#include "appstate.h"
#include "bankarchive.h"
#include "lastbank.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>

BankSelector::BankSelector(QComboBox &banca, QLineEdit &numCC, AppState &state)
    : QObject(&banca)
    , m_banca(banca)
    , m_numCC(numCC)
    , m_state(state)
{
    connect(&banca, &QComboBox::currentIndexChanged, this, &BankSelector::selectionRule);
    banca.installEventFilter(this);
}

void BankSelector::PopolaBanche()
{
    const QSignalBlocker quiet(m_banca);
    m_banca.clear();
    const auto items = BankArchive::selectorItems(BankArchive::read(BankArchive::fileName(m_state.DataFolder)));
    int selected = 0;
    for (const auto &item : items) {
        m_banca.addItem(item.text, item.id);
        m_banca.setItemData(m_banca.count() - 1, item.account, AccountRole);
        if (item.id == m_state.IDbanca)
            selected = m_banca.count() - 1;
    }
    if (m_banca.count() > 0)
        m_banca.setCurrentIndex(selected);
    // With every bank gone the rule still runs: no bank, no account.
    selectionRule();
}

void BankSelector::SetLastIDbanca()
{
    LastBank::SetLastIDbanca(m_state.DataFolder, m_state.IDbanca);
}

void BankSelector::selectionRule()
{
    // The account is kept beside the text: split at its first "/", a bank
    // name with a "/" in it would give part of the name as the account.
    m_numCC.setText(m_banca.currentData(AccountRole).toString().trimmed());
    m_state.IDbanca = 0;
    if (m_banca.currentIndex() >= 0)
        m_state.IDbanca = m_banca.currentData().toInt();
}

bool BankSelector::eventFilter(QObject *watched, QEvent *event)
{
    // Leaving the field re-applies the choice, even an unchanged one; the
    // list opening takes the focus without leaving.
    if (watched == &m_banca && event->type() == QEvent::FocusOut
        && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
        selectionRule();
    return false;
}
