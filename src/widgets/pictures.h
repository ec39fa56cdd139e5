#pragma once

#include <QIcon>
#include <QPixmap>

/// The program's pictures, drawn at run time so the program ships no image
/// files and they stay sharp at any device pixel ratio.
namespace Pictures {
QIcon printer();
QIcon deleteEntry();
QIcon addBank();
QIcon deleteBank();
QIcon windowIcon();
QIcon registerBook();
QPixmap vendorLogo(const QSize &size);
} // namespace Pictures
