#pragma once

#include <QtGlobal>

/// Where one cheque field is printed, relative to the print origin, in twips.
struct FieldPosition
{
    float top = 0;
    float left = 0;

    friend bool operator==(const FieldPosition &a, const FieldPosition &b)
    {
        return a.top == b.top && a.left == b.left;
    }
};

/// The layout of one bank's cheque form, as held in its layout file.
/// Field names are those of the calibration window's labels.
struct ChequeLayout
{
    float SXmargin = 0; ///< horizontal print origin, centimetres
    float DXmargin = 0; ///< vertical print origin, centimetres
    FieldPosition LUOGO;
    FieldPosition GGMMAAAA;
    FieldPosition IMPORTO_CIFRE;
    FieldPosition IMPORTO_DEC;
    FieldPosition IMPORTO_ABC;
    FieldPosition BENEFICIARIO;
    qint16 PrintComma = 0; ///< 1 prints a comma after the amount in figures
    FieldPosition NUMEROcc;

    friend bool operator==(const ChequeLayout &a, const ChequeLayout &b)
    {
        return a.SXmargin == b.SXmargin && a.DXmargin == b.DXmargin && a.LUOGO == b.LUOGO
            && a.GGMMAAAA == b.GGMMAAAA && a.IMPORTO_CIFRE == b.IMPORTO_CIFRE
            && a.IMPORTO_DEC == b.IMPORTO_DEC && a.IMPORTO_ABC == b.IMPORTO_ABC
            && a.BENEFICIARIO == b.BENEFICIARIO && a.PrintComma == b.PrintComma
            && a.NUMEROcc == b.NUMEROcc;
    }
};
