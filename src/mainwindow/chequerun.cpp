#include "chequerun.h"

#include "amounttext.h"
#include "appstate.h"
#include "chequeprint.h"
#include "chequestore.h"
#include "frmselprinter.h"
#include "layoutfile.h"
#include "messageboxes.h"
#include "textfile.h"
#include "unsavednotice.h"

#include <QDir>

namespace ChequeRun {

namespace {

ChequeRecord recordOf(const AppState &state, const ChequeFields &fields, const QString &bankName,
                      const QString &printerName)
{
    ChequeRecord r;
    // The register keeps whole seconds; a row read back equals the one written.
    const QDateTime now = QDateTime::currentDateTime();
    r.printedAt = now.addMSecs(-now.time().msec());
    r.bankName = bankName;
    r.bankId = state.IDbanca;
    r.account = fields.NumCC.trimmed();
    r.place = fields.LUOGO.trimmed();
    r.date = fields.GGMMAAAA.trimmed();
    // The amount was checked before the printer window: blank or whole.
    if (const auto amount = AmountText::read(fields.IMPORTO.trimmed()))
        r.amountCents = amount->tenThousandths() / 100;
    r.amountWords = r.amountCents > 0 ? fields.IMPORTO_ABC : QString();
    r.payee = fields.BENEFICIARIO.trimmed();
    r.printer = printerName;
    return r;
}

// After the page, so that a cheque the printer refused is not recorded as
// paid; a failure is told at once, while the paper is still in the hand.
void record(const ChequeRecord &cheque, const QString &dataFolder, MessageBoxes &messages)
{
    ChequeStore store(ChequeStore::fileName(dataFolder));
    if (store.isOpen() && store.add(cheque))
        return;
    messages.notify(QStringLiteral("L'assegno è stato stampato ma non è stato scritto nel registro degli "
                                   "assegni %1: %2. Annotarlo a mano.")
                        .arg(QDir::toNativeSeparators(store.file()), store.error()),
                    MessageBoxes::Icon::Exclamation);
}

} // namespace

bool print(AppState &state, const ChequeFields &fields, const QString &bankName, MessageBoxes &messages,
           PrintDevice &printer, QWidget *parent)
{
    const QString layoutFile = LayoutFile::fileName(state.DataFolder, state.IDbanca);
    QString scratch;
    LayoutFile::loadBankLayout(state.DataFolder, state.IDbanca, state.layout, scratch, scratch);
    if (const auto notice = OffPageNotice(state.layout, layoutFile)) {
        messages.notify(*notice, MessageBoxes::Icon::Exclamation);
        return false;
    }

    const ChequeLayout &layout = state.layout;
    frmSelPrinter selection(
        printer, state.DataFolder, messages,
        [&](PrintDevice &device) { return PrintChequePage(device, layout, fields); }, parent);
    selection.exec();
    state.PrintCancelled = selection.printCancelled();
    if (state.PrintCancelled)
        return false;

    // Rewriting the file also makes this bank the one used last, which the
    // next start selects again.
    // The cheque is printed all the same: the layout was read just now.
    QString reason;
    if (!TextFile::writeLines(layoutFile,
                              LayoutFile::lines(fields.LUOGO.trimmed(), layout, fields.NumCC.trimmed()),
                              &reason))
        notifyUnsaved(messages, layoutFile, reason);

    if (!PrintChequePage(printer, layout, fields))
        return false;
    record(recordOf(state, fields, bankName, selection.selectedPrinter()), state.DataFolder, messages);
    return true;
}

} // namespace ChequeRun
