#pragma once

#include "fieldguard.h"

#include <QString>

class MessageBoxes;

/// What the main window tells the user about text its fields would not
/// take, or an amount it cannot print.
namespace FieldNotices {

/// For a field stored in the data files: names each character left out.
FieldGuard::RefusedHandler notStorable(MessageBoxes &messages, const QString &field);

/// For the amount field: a paste or drop refused whole, and how to write it.
FieldGuard::RefusedHandler amountRefused(MessageBoxes &messages);

/// The amount field holds text that is not a whole amount.
void amountIncomplete(MessageBoxes &messages, const QString &text);

} // namespace FieldNotices
