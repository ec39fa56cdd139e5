#include "widgetcolours.h"

#include "contrast.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

namespace WidgetColours {

namespace {

/// The role a text role is painted on; NoRole for the others.
QPalette::ColorRole backgroundOf(QPalette::ColorRole role)
{
    switch (role) {
    case QPalette::Text:
        return QPalette::Base;
    case QPalette::ButtonText:
        return QPalette::Button;
    case QPalette::WindowText:
        return QPalette::Window;
    case QPalette::HighlightedText:
        return QPalette::Highlight;
    default:
        return QPalette::NoRole;
    }
}

QByteArray chosenKey(QPalette::ColorRole role)
{
    return "quendraTextColour" + QByteArray::number(int(role));
}

/// The colour chosen for \a role, or the theme's when none was.
QColor chosen(const QWidget &widget, QPalette::ColorRole role)
{
    const QVariant colour = widget.property(chosenKey(role));
    return colour.isValid() ? colour.value<QColor>() : QApplication::palette().color(role);
}

void setText(QPalette &palette, QPalette::ColorRole role, const QColor &colour)
{
    const QPalette theme = QApplication::palette();
    palette.setColor(role, Contrast::shown(colour, palette.color(backgroundOf(role)), theme.color(QPalette::Window),
                                           theme.color(QPalette::WindowText)));
}

/// Gives the text roles the colours chosen for them, readable on what
/// now lies behind them.
void refreshTexts(QWidget &widget, QPalette &palette)
{
    for (const auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        setText(palette, role, chosen(widget, role));
}

} // namespace

void set(QWidget &widget, std::initializer_list<QPalette::ColorRole> roles, const QColor &colour)
{
    QPalette palette = widget.palette();
    for (const QPalette::ColorRole role : roles) {
        if (backgroundOf(role) == QPalette::NoRole)
            palette.setColor(role, colour);
    }
    for (const QPalette::ColorRole role : roles) {
        if (backgroundOf(role) != QPalette::NoRole) {
            widget.setProperty(chosenKey(role), colour);
            setText(palette, role, colour);
        }
    }
    widget.setPalette(palette);
}

void setFieldBackground(QWidget &field, const QColor &colour)
{
    QPalette palette = field.palette();
    palette.setColor(QPalette::Base, colour);
    // A list-only combo box paints its face with the button colour.
    auto combo = qobject_cast<QComboBox *>(&field);
    if (combo && !combo->isEditable())
        palette.setColor(QPalette::Button, colour);
    refreshTexts(field, palette);
    field.setPalette(palette);
    if (combo && combo->lineEdit()) {
        QPalette own = palette;
        refreshTexts(*combo->lineEdit(), own);
        combo->lineEdit()->setPalette(own);
    }
}

} // namespace WidgetColours
