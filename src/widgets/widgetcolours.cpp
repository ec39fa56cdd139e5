#include "widgetcolours.h"

#include <QWidget>

namespace WidgetColours {

void set(QWidget &widget, std::initializer_list<QPalette::ColorRole> roles, const QColor &colour)
{
    QPalette palette = widget.palette();
    for (const QPalette::ColorRole role : roles)
        palette.setColor(role, colour);
    widget.setPalette(palette);
}

} // namespace WidgetColours
