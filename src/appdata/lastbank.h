#pragma once

#include <QString>
#include <QtGlobal>

/// Which bank was used last. The program keeps no setting for it: every
/// print and every calibration save rewrites the layout file of its bank,
/// so the layout file written last names it.
namespace LastBank {

/// The characters "0" to "9" of text, in their order.
QString DigitsOnly(const QString &text);

/// Sets id to the number in the name of the "Quendra*.ini" file of
/// dataFolder written last (0 for "Quendra.ini"); among equal times the one
/// listed first wins. Leaves id alone when there is no such file.
void SetLastIDbanca(const QString &dataFolder, qint32 &id);

} // namespace LastBank
