#pragma once

#include "chequelayout.h"

#include <QString>

/// The program-wide values, one instance for the whole run, handed to the
/// windows that read or write them.
struct AppState
{
    QString DataFolder;             ///< set once at start-up
    qint32 IDbanca = 0;             ///< current bank; 0 selects the default layout file
    QString currentBankName;        ///< bank being calibrated
    QString currentAccountNumber;   ///< its account number
    ChequeLayout layout;            ///< as last read by LoadLayout
    bool PrintCancelled = false;    ///< the printer window was cancelled
};
