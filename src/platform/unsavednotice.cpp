#include "unsavednotice.h"

#include "messageboxes.h"

#include <QDir>

void notifyUnsaved(MessageBoxes &messages, const QString &fileName, const QString &reason)
{
    messages.notify(QStringLiteral("Il file «") + QDir::toNativeSeparators(fileName)
                        + QStringLiteral("» non è stato salvato: ") + reason + QLatin1Char('.'),
                    MessageBoxes::Icon::Critical);
}
