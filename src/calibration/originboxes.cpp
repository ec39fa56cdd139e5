#include "originboxes.h"

#include "chequeprint.h"
#include "messageboxes.h"
#include "numbertext.h"

#include <QLineEdit>
#include <QLocale>

#include <cmath>

namespace OriginBoxes {

bool readable(QLineEdit &left, QLineEdit &top, MessageBoxes &messages)
{
    for (QLineEdit *box : {&left, &top}) {
        float centimetres;
        const bool number = NumberText::toSingle(box->text(), &centimetres);
        // Past the paper's size no field of the cheque can land on it.
        const double paper = (box == &left ? PaperWidth : PaperHeight) / 10;
        if (number && std::fabs(centimetres) <= paper)
            continue;
        // An origin the cheque cannot read would print it where the last
        // layout read left it.
        const QString which = box == &left ? QStringLiteral("Sinistra") : QStringLiteral("Superiore");
        messages.notify(number ? QStringLiteral("L'origine di stampa «%1» cade fuori dal foglio: può essere al più "
                                                "di %2 cm.")
                                     .arg(which, QLocale(QLocale::Italian).toString(paper, 'f', 1))
                               : QStringLiteral("L'origine di stampa «") + which
                                     + QStringLiteral("» deve essere un numero di centimetri, per esempio 2,3."),
                        MessageBoxes::Icon::Exclamation);
        box->setFocus();
        return false;
    }
    return true;
}

} // namespace OriginBoxes
