#pragma once

#include "chequelayout.h"
#include "currency.h"

#include <QDate>
#include <QLocale>
#include <QString>

class PrintDevice;

/// The sample cheque of the calibration window: fixed texts at the labels'
/// positions as they stand, saved or not, each starting where a cheque
/// printed with the same positions puts that field's text (the figures
/// where its digits begin, after the "#"). \a labels gives the positions in
/// twips and PrintComma (1 = ticked); its margins are not used, the origin
/// comes from the margin boxes' texts \a marginLeft and \a marginTop (cm).
/// Returns true when every device operation succeeded.
bool PrintTestPage(PrintDevice &device, const QString &marginLeft, const QString &marginTop,
                   const ChequeLayout &labels, const QString &date);

/// An origin box read as centimetres: the first "," counts as the decimal
/// point, the number is read from the start and what follows it is ignored
/// ("2,3,4" is 2,3); text with no number, or too large, is 0.
Currency MarginValue(const QString &text);

/// \a date in the short form of \a locale, but always with the year in four
/// digits, so that a test cheque cannot be mistaken about its century.
QString ShortDate(const QDate &date, const QLocale &locale = QLocale());
