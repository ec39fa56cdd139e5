#pragma once

#include "chequelayout.h"

/// The layout a new bank starts with.
inline ChequeLayout defaultLayout()
{
    ChequeLayout l;
    l.SXmargin = 2.3f;
    l.DXmargin = 13.5f;
    l.LUOGO = {285, 1425};
    l.GGMMAAAA = {270, 4230};
    l.IMPORTO_CIFRE = {270, 6015};
    l.IMPORTO_DEC = {270, 8070};
    l.IMPORTO_ABC = {1740, 2100};
    l.BENEFICIARIO = {2235, 2250};
    l.PrintComma = 1;
    l.NUMEROcc = {2700, 2250};
    return l;
}
