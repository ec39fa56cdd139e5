#pragma once

struct AppState;
struct ChequeFields;
class MessageBoxes;
class PrintDevice;
class QString;
class QWidget;

/// One cheque from the print button on, once its fields are checked: the
/// bank's layout read afresh (a calibration since the last print counts),
/// refused when it puts a field off the paper, the printer chosen, place
/// and account remembered in the bank's layout file, the page printed.
namespace ChequeRun {

/// Sets state.PrintCancelled from the printer window; the printer window
/// and every notice open over \a parent. Returns whether the page went to
/// the printer; such a page is written into the cheque register with
/// \a bankName, or the user is told that it could not be.
bool print(AppState &state, const ChequeFields &fields, const QString &bankName, MessageBoxes &messages,
           PrintDevice &printer, QWidget *parent);

} // namespace ChequeRun
