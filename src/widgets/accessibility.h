#pragma once

class QWidget;

/// What Qt's own accessibility does not say right for this program's
/// windows, said through interfaces of our own.
namespace Accessibility {

/// A widget with this property true is read as a link that can be pressed.
inline constexpr char LinkProperty[] = "quendraLink";

/// Gives \a widget LinkProperty, and drops an interface Qt made before.
void makeLink(QWidget &widget);

/// Installs the interface factory: a window that is a plain widget is read
/// as a frame, not a filler; a list-only combo box by its own name, with
/// the chosen entry as its value, rather than by the entry alone; a widget
/// with LinkProperty as a link. Installing it twice does nothing more.
void install();

} // namespace Accessibility
