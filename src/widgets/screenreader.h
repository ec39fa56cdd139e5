#pragma once

#include <QHash>
#include <QString>

class QWidget;

/// Names for Orca and other screen readers. A control a user can reach with
/// the keyboard needs a spoken name; a caption or a tooltip is not enough on
/// its own, since Qt does not speak the tooltip of a picture button.
namespace ScreenReader {

/// Names the window \a window (its caption) and every control in it: the name
/// \a names holds for the control's object name, else the control's own
/// caption without its '&', else its tooltip; names already given are kept. A
/// tooltip is also the control's description. Call it once the window has its
/// controls and caption.
void nameControls(QWidget &window, const QHash<QString, QString> &names = {});

} // namespace ScreenReader
