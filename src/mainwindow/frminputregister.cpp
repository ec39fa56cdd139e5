// The main window's side of the cheque register: opening its window and
// taking a cheque back from it.

#include "frminput.h"

#include "appstate.h"
#include "bankselector.h"
#include "chequerecord.h"
#include "frmregistro.h"
#include "messageboxes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

QString FrmInput::bankName(int index) const
{
    // The selector shows "name / account"; the register keeps the name.
    const QString text = BANCA->itemText(index);
    const QString tail = QStringLiteral(" / ") + BANCA->itemData(index, BankSelector::AccountRole).toString();
    return text.endsWith(tail) ? text.chopped(tail.size()) : text;
}

void FrmInput::openRegister()
{
    FrmRegistro registerWindow(m_state.DataFolder, m_messages, *m_files, this);
    if (!registerWindow.opened())
        return;
    connect(&registerWindow, &FrmRegistro::reprintRequested, this, &FrmInput::fillFrom);
    registerWindow.exec();
}

void FrmInput::fillFrom(const ChequeRecord &cheque)
{
    LUOGO->setText(cheque.place);
    GGMMAAAA->setText(cheque.date);
    // The words follow the amount, as when it is typed.
    IMPORTO->setText(cheque.amountCents > 0 || !cheque.amountWords.isEmpty() ? centsText(cheque.amountCents)
                                                                             : QString());
    BENEFICIARIO->setEditText(cheque.payee);
    const int bank = BANCA->findData(cheque.bankId);
    if (cheque.bankId == 0 && cheque.bankName.isEmpty()) {
        // Printed with no bank chosen: the account number was typed.
        NumCC->setText(cheque.account);
    } else if (bank >= 0 && bankName(bank) == cheque.bankName) {
        BANCA->setCurrentIndex(bank);
        m_banks->selectionRule();
    } else {
        m_messages.notify(QStringLiteral("La banca «%1» di quell'assegno non è più nell'archivio: la banca "
                                         "resta quella scelta.")
                              .arg(cheque.bankName),
                          MessageBoxes::Icon::Exclamation);
    }
    StampaAssegno->setFocus();
}
