#pragma once

#include <QString>

class MessageBoxes;

/// Tells the user that fileName was not saved and why, in the words the
/// file writers give ("il disco è pieno"). Whatever the handler goes on to
/// do, the user must not believe the file holds what it should.
void notifyUnsaved(MessageBoxes &messages, const QString &fileName, const QString &reason);
