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
/// The street, CR LF, postal code and town.
QString postalAddress();
/// The address as the panel shows it, and the page a click on it opens.
QString webCaption();
QString webAddress();
} // namespace Vendor
