#pragma once

#include <QColor>
#include <QPalette>

#include <initializer_list>

class QWidget;

namespace WidgetColours {

/// Gives \a widget \a colour in each of \a roles, keeping the rest of its
/// palette. A text role (Text, WindowText, ButtonText) gets it exactly on
/// the default light theme; on any other, the nearest colour of its hue
/// that reads at 4.5:1 on the widget's background (Contrast::shown).
void set(QWidget &widget, std::initializer_list<QPalette::ColorRole> roles, const QColor &colour);

/// Gives an entry field \a colour behind its text: a line edit, or a combo
/// box with its face or its own line edit; its text colours, chosen or the
/// theme's, are made readable on it as set() does.
void setFieldBackground(QWidget &field, const QColor &colour);

} // namespace WidgetColours
