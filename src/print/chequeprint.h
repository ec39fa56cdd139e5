#pragma once

#include "chequelayout.h"
#include "currency.h"

#include <QString>

#include <optional>

class PrintDevice;

/// The main window's entry fields as the cheque page prints them, each the
/// field's current text, untrimmed.
struct ChequeFields
{
    QString LUOGO;        ///< place of issue
    QString GGMMAAAA;     ///< date, printed as typed
    QString IMPORTO;      ///< amount in figures, decimal comma
    QString IMPORTO_ABC;  ///< amount in words
    QString BENEFICIARIO; ///< payee
    QString NumCC;        ///< current-account number
};

/// What the print queue calls the cheque: "Assegno – ROSSI MARIO –
/// 1.500,50", leaving out a payee or an amount not given.
QString ChequeJobTitle(const ChequeFields &fields);

/// Prints one cheque page on the current printer of \a device: sets up the
/// job, prints each field at its position in \a layout and ends the
/// document. A device operation that fails is skipped and printing goes on;
/// the result is true only when every operation succeeded, for callers that
/// want to know (the cheque print itself does not).
bool PrintChequePage(PrintDevice &device, const ChequeLayout &layout, const ChequeFields &fields);

/// The paper the program prints on, landscape, in millimetres: the larger
/// of A4 and Letter each way.
constexpr double PaperWidth = 297;
constexpr double PaperHeight = 216;

/// A notice for the user when a field of \a layout would land off the paper
/// (or at no number at all, as a hand-edited file may make it), naming the
/// field and \a layoutFile; nothing when every field lands on it.
std::optional<QString> OffPageNotice(const ChequeLayout &layout, const QString &layoutFile);

/// Every character followed by one blank, then the blanks at both ends
/// removed: "1500" gives "1 5 0 0".
QString SpaceDigits(const QString &text);

/// The first two decimal digits of \a amount, cut, not rounded: 12,345
/// gives "34", 1500,5 gives "50", 1500 gives "00".
QString DecimalDigits(Currency amount);
