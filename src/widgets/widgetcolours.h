#pragma once

#include <QColor>
#include <QPalette>

#include <initializer_list>

class QWidget;

namespace WidgetColours {

/// Gives \a widget \a colour in each of \a roles, keeping the rest of its
/// palette.
void set(QWidget &widget, std::initializer_list<QPalette::ColorRole> roles, const QColor &colour);

} // namespace WidgetColours
