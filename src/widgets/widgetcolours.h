#pragma once

#include <QColor>
#include <QPalette>

#include <initializer_list>

class QWidget;

namespace WidgetColours {

/// Gives \a widget \a colour in each of \a roles, keeping the rest of its
/// palette.
void set(QWidget &widget, std::initializer_list<QPalette::ColorRole> roles, const QColor &colour);

/// Gives an entry field \a colour behind its text: a line edit, or a combo
/// box with its face or its own line edit.
void setFieldBackground(QWidget &field, const QColor &colour);

} // namespace WidgetColours
