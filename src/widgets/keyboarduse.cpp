#include "keyboarduse.h"

#include "accessibility.h"
#include "focusframe.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace KeyboardUse {

namespace {

bool isPress(const QKeyEvent &key)
{
    const auto modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return modifiers == Qt::NoModifier && !key.isAutoRepeat()
           && (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter);
}

/// Only the focused button itself, and only when it would not press
/// itself: a dialog's default and auto-default buttons (a button box's
/// among them) already do, and a second click would act twice.
class ReturnPress : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto button = qobject_cast<QPushButton *>(watched);
        if (!button || !button->hasFocus() || !button->isEnabled() || button->autoDefault()
            || button->isDefault() || !isPress(*static_cast<QKeyEvent *>(event)))
            return false;
        button->click();
        return true;
    }
};

class Activator : public QObject
{
public:
    Activator(QWidget &widget, std::function<void()> activate)
        : QObject(&widget)
        , m_activate(std::move(activate))
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto key = static_cast<QKeyEvent *>(event);
        if (!isPress(*key) && !(key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier))
            return false;
        if (!key->isAutoRepeat())
            m_activate();
        return true;
    }

private:
    std::function<void()> m_activate;
};

} // namespace

void install(QApplication &app)
{
    app.installEventFilter(new ReturnPress(&app));
    FocusFrame::installStyle(app);
    Accessibility::install();
}

void makeActivatable(QWidget &widget, std::function<void()> activate)
{
    // A click opens it and leaves the focus where the user was typing.
    Accessibility::makeLink(widget);
    widget.setFocusPolicy(Qt::TabFocus);
    widget.installEventFilter(new Activator(widget, std::move(activate)));
    (new FocusFrame(widget.parentWidget()))->setWidget(&widget);
}

} // namespace KeyboardUse
