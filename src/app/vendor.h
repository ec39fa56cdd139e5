#pragma once

#include <QList>
#include <QString>

/// One text of the banner and the web page it stands for.
struct SpotEntry
{
    QString Text;
    QString Link;
};

/// What the main window tells about Brentola, the program's vendor.
namespace Vendor {
/// The banner's ten entries, in the order they are shown.
QList<SpotEntry> spots();
} // namespace Vendor
