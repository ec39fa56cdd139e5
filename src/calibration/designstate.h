#pragma once

#include "chequelayout.h"
#include "picturealignment.h"

#include <QImage>
#include <QString>

/// Everything the calibration window lets the user change, as one value:
/// what undo steps through and what "Salva" writes.
struct DesignState
{
    ChequeLayout positions; ///< the labels, in twips, and PrintComma
    QString left;           ///< the origin boxes, as typed
    QString top;
    QImage picture;         ///< behind the labels; null for none
    PictureAlignment alignment;

    friend bool operator==(const DesignState &a, const DesignState &b)
    {
        // The same picture is the same image object: comparing pixels of a
        // scan at every key would cost more than the key.
        return a.positions == b.positions && a.left == b.left && a.top == b.top
            && a.picture.cacheKey() == b.picture.cacheKey() && a.alignment == b.alignment;
    }
};
