#include "accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>

namespace Accessibility {

namespace {

/// Qt reads a list-only combo box on Linux by its chosen entry only, and
/// leaves the name to a caption's relation, which not every reader
/// follows: the bank selector would be heard as a bank, never as "Banca".
class ListComboAccessible : public QAccessibleWidget
{
public:
    explicit ListComboAccessible(QComboBox *combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox)
    {
        addControllingSignal(QStringLiteral("currentIndexChanged(int)"));
    }

    QComboBox *combo() const { return static_cast<QComboBox *>(object()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return combo()->currentText();
        if (t == QAccessible::Name && combo()->accessibleName().isEmpty())
            return combo()->currentText();
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return combo()->view() ? 1 : 0; }

    QAccessibleInterface *child(int index) const override
    {
        return index == 0 && combo()->view() ? QAccessible::queryAccessibleInterface(combo()->view())
                                             : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && combo()->view() == child->object() ? 0 : -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action == showMenuAction() || action == pressAction())
            combo()->showPopup();
    }
};

class WindowAccessible : public QAccessibleWidget
{
public:
    explicit WindowAccessible(QWidget *window)
        : QAccessibleWidget(window, QAccessible::Window)
    {
    }
};

class LinkAccessible : public QAccessibleWidget
{
public:
    explicit LinkAccessible(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty()) {
            // A label reads as its text; a frame of labels (the banner) as the
            // one it shows.
            auto label = qobject_cast<QLabel *>(widget());
            if (!label)
                label = widget()->findChild<QLabel *>();
            if (label)
                text = label->text();
        }
        return text;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &action) override
    {
        // As the key would: the link's own filter opens it.
        if (action == pressAction()) {
            QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            QCoreApplication::sendEvent(widget(), &space);
        }
    }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    // Asked once for each class of the object's from the most derived up:
    // only the first question is ours, the rest are Qt's own.
    if (!object || !object->isWidgetType() || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    auto widget = static_cast<QWidget *>(object);
    if (widget->property(LinkProperty).toBool())
        return new LinkAccessible(widget);
    if (auto combo = qobject_cast<QComboBox *>(widget); combo && !combo->isEditable())
        return new ListComboAccessible(combo);
    // A window built on a bare widget: Qt's nearest is a filler.
    const QMetaObject *type = widget->metaObject();
    if (widget->isWindow() && widget->windowType() == Qt::Window
        && (type == &QWidget::staticMetaObject || type->superClass() == &QWidget::staticMetaObject))
        return new WindowAccessible(widget);
    return nullptr;
}

} // namespace

void makeLink(QWidget &widget)
{
    widget.setProperty(LinkProperty, true);
    // An interface made before, under a screen reader, would keep the old role.
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(&widget);
    if (made && made->role() != QAccessible::Link)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void install()
{
    QAccessible::installFactory(factory);
}

} // namespace Accessibility
