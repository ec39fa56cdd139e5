#pragma once

#include "picturealignment.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QDoubleSpinBox;

/// "Allinea l'immagine": moves the cheque's picture under the labels, turns
/// it by quarter turns and, for a photo that says nothing of its size,
/// takes its real width, in millimetres with a tenth.
class PictureAlignDialog : public QDialog
{
    Q_OBJECT

public:
    PictureAlignDialog(const PictureAlignment &alignment, bool sizeAssumed, QWidget *parent);

    PictureAlignment alignment() const;

    /// Shows the dialog; nothing when the user cancels it.
    static std::optional<PictureAlignment> ask(const PictureAlignment &alignment, bool sizeAssumed, QWidget *parent);

    QDoubleSpinBox *right;
    QDoubleSpinBox *down;
    QComboBox *turn;
    QDoubleSpinBox *width;
};
