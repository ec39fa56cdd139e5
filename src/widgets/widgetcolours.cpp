#include "widgetcolours.h"

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

namespace WidgetColours {

void set(QWidget &widget, std::initializer_list<QPalette::ColorRole> roles, const QColor &colour)
{
    QPalette palette = widget.palette();
    for (const QPalette::ColorRole role : roles)
        palette.setColor(role, colour);
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
    field.setPalette(palette);
    if (combo && combo->lineEdit())
        combo->lineEdit()->setPalette(palette);
}

} // namespace WidgetColours
