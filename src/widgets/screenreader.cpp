#include "screenreader.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QWidget>

namespace ScreenReader {

namespace {

/// "&Annulla" is "Annulla", "&&" a single '&'.
QString spokenCaption(const QString &caption)
{
    QString spoken;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && ++i == caption.size())
            break;
        spoken += caption[i];
    }
    return spoken.trimmed();
}

QString captionOf(const QWidget &w)
{
    if (w.isWindow())
        return w.windowTitle();
    if (auto button = qobject_cast<const QAbstractButton *>(&w))
        return spokenCaption(button->text());
    if (auto box = qobject_cast<const QGroupBox *>(&w))
        return spokenCaption(box->title());
    return {};
}

void nameControl(QWidget &w, const QHash<QString, QString> &names)
{
    if (w.accessibleName().isEmpty()) {
        QString name = names.value(w.objectName());
        if (name.isEmpty())
            name = captionOf(w);
        w.setAccessibleName(name.isEmpty() ? w.toolTip() : name);
    }
    if (!w.toolTip().isEmpty())
        w.setAccessibleDescription(w.toolTip());
    // The text box of an editable combo box takes the keyboard in its place.
    if (auto combo = qobject_cast<QComboBox *>(&w); combo && combo->lineEdit()) {
        combo->lineEdit()->setAccessibleName(w.accessibleName());
        combo->lineEdit()->setAccessibleDescription(w.accessibleDescription());
    }
}

} // namespace

void nameControls(QWidget &window, const QHash<QString, QString> &names)
{
    nameControl(window, names);
    // Depth first, parents before children: a combo box names its text box
    // before the text box's own turn comes.
    for (QWidget *w : window.findChildren<QWidget *>())
        nameControl(*w, names);
}

} // namespace ScreenReader
