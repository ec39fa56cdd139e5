#include "fieldguard.h"

#include "fieldtext.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QValidator>

namespace {

// Qt runs the validator on every change of a line edit's text and takes
// the text it hands back, so this is the one place all ways in pass.
class RuleValidator : public QValidator
{
public:
    RuleValidator(FieldGuard::Rule rule, const QString &text, FieldGuard::RefusedHandler onRefused,
                  QObject *parent)
        : QValidator(parent)
        , m_rule(rule)
        , m_onRefused(std::move(onRefused))
        , m_accepted(text)
    {
    }

    State validate(QString &input, int &pos) const override
    {
        QString kept;
        QString refused;
        switch (m_rule) {
        case FieldGuard::Rule::OneLine:
            kept = FieldText::oneLine(input);
            break;
        case FieldGuard::Rule::Storable:
            kept = FieldText::storable(input, &refused);
            break;
        case FieldGuard::Rule::Amount:
            kept = FieldText::amountEdit(m_accepted, input, &pos, &refused);
            break;
        case FieldGuard::Rule::Margin:
            kept = FieldText::marginEdit(m_accepted, input, &pos);
            break;
        }
        // A message box opened in here would run inside the field's edit.
        if (!refused.isEmpty() && m_onRefused)
            QTimer::singleShot(0, this, [handler = m_onRefused, refused] { handler(refused); });
        if (kept != input) {
            input = kept;
            pos = qBound(0, pos, int(input.size()));
        }
        m_accepted = input;
        return Acceptable;
    }

private:
    const FieldGuard::Rule m_rule;
    const FieldGuard::RefusedHandler m_onRefused;
    // The amount rule needs the text before the edit to tell what the edit
    // brought in; the line edit only shows the validator the text after it.
    mutable QString m_accepted;
};

} // namespace

FieldGuard::FieldGuard(QObject &owner)
    : QObject(&owner)
{
    owner.installEventFilter(this);
}

void FieldGuard::install(QLineEdit &edit, Rule rule, RefusedHandler onRefused)
{
    edit.setValidator(new RuleValidator(rule, edit.text(), std::move(onRefused), &edit));
    new FieldGuard(edit);
}

void FieldGuard::install(QComboBox &combo, Rule rule)
{
    if (QLineEdit *edit = combo.lineEdit())
        install(*edit, rule);
    new FieldGuard(combo);
}

bool FieldGuard::isAltChord(const QEvent &event)
{
    if (event.type() != QEvent::KeyPress)
        return false;
    const auto &key = static_cast<const QKeyEvent &>(event);
    // Enter moves the focus whatever the modifiers held.
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
        return false;
    return (key.modifiers() & Qt::AltModifier) && !(key.modifiers() & Qt::ControlModifier)
        && !key.text().isEmpty();
}

bool FieldGuard::eventFilter(QObject *, QEvent *event)
{
    // Swallowing the key press leaves shortcuts alone: Qt offers a key to
    // them before it sends the press to the field.
    return isAltChord(*event);
}
