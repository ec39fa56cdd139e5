#include "chequerun.h"

#include "appstate.h"
#include "chequeprint.h"
#include "frmselprinter.h"
#include "layoutfile.h"
#include "messageboxes.h"
#include "textfile.h"
#include "unsavednotice.h"

namespace ChequeRun {

bool print(AppState &state, const ChequeFields &fields, MessageBoxes &messages, PrintDevice &printer,
           QWidget *parent)
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

    return PrintChequePage(printer, layout, fields);
}

} // namespace ChequeRun
