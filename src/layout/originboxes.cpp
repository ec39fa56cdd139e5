#include "originboxes.h"

#include "messageboxes.h"
#include "numbertext.h"

#include <QLineEdit>

namespace OriginBoxes {

bool readable(QLineEdit &left, QLineEdit &top, MessageBoxes &messages)
{
    for (QLineEdit *box : {&left, &top}) {
        float ignored;
        if (NumberText::toSingle(box->text(), &ignored))
            continue;
        // An origin the cheque cannot read would print it where the last
        // layout read left it.
        const QString which = box == &left ? QStringLiteral("Sinistra") : QStringLiteral("Superiore");
        messages.notify(QStringLiteral("L'origine di stampa «") + which
                            + QStringLiteral("» deve essere un numero di centimetri, per esempio 2,3."),
                        MessageBoxes::Icon::Exclamation);
        box->setFocus();
        return false;
    }
    return true;
}

} // namespace OriginBoxes
