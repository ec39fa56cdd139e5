#pragma once

#include <functional>

class QApplication;
class QWidget;

/// What a desktop user expects from the keyboard, for the whole program.
namespace KeyboardUse {

/// Return and Enter press the focused push button, as Space does, where Qt
/// would not already (a default or auto-default button presses itself);
/// the focus is drawn as a thick frame in the highlight colour; and the
/// accessibility interfaces of Accessibility::install. Call it once, after
/// the application object exists and before the windows are built.
void install(QApplication &app);

/// Makes \a widget, a control that is not a button (a link in a label, a
/// banner), a Tab stop that \a activate opens with Return, Enter or Space,
/// framed while it has the focus; screen readers hear it as a link.
void makeActivatable(QWidget &widget, std::function<void()> activate);

} // namespace KeyboardUse
