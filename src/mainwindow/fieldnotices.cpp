#include "fieldnotices.h"

#include "fieldtext.h"
#include "messageboxes.h"

namespace FieldNotices {

namespace {
const QString AmountHowTo = QStringLiteral(
    "l'importo si scrive in euro con la virgola per i centesimi (al massimo due cifre) e, se si vuole, "
    "il punto per le migliaia: per esempio 1.500,50 oppure 1500,50.");
} // namespace

FieldGuard::RefusedHandler notStorable(MessageBoxes &messages, const QString &field)
{
    return [&messages, field](const QString &refused) {
        messages.notify(QStringLiteral("«") + field
                            + QStringLiteral("» non può contenere questi caratteri, che non sono stati inseriti: ")
                            + FieldText::shownCharacters(refused) + QLatin1Char('.'),
                        MessageBoxes::Icon::Exclamation);
    };
}

FieldGuard::RefusedHandler amountRefused(MessageBoxes &messages)
{
    return [&messages](const QString &refused) {
        messages.notify(QStringLiteral("«") + refused + QStringLiteral("» non è stato inserito: ") + AmountHowTo,
                        MessageBoxes::Icon::Exclamation);
    };
}

void amountIncomplete(MessageBoxes &messages, const QString &text)
{
    messages.notify(QStringLiteral("L'importo «") + text + QStringLiteral("» non è completo: ") + AmountHowTo,
                    MessageBoxes::Icon::Critical);
}

} // namespace FieldNotices
