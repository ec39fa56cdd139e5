#include "positionboxes.h"

#include "designlabels.h"
#include "fieldguard.h"
#include "fieldlabel.h"
#include "messageboxes.h"
#include "numbertext.h"
#include "twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

QString millimetres(float twips)
{
    return QString::number(LabelDrag::toMillimetres(twips), 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace

PositionBoxes::PositionBoxes(DesignLabels &labels, MessageBoxes &messages, QWidget &area)
    : QObject(&area)
    , m_labels(labels)
    , m_messages(messages)
{
    auto label = [&area](const char *name, const QString &caption) {
        auto l = new QLabel(caption, &area);
        l->setObjectName(QLatin1String(name));
        l->setFont(Twips::font(QStringLiteral("Arial"), 8.25, false));
        return l;
    };
    auto box = [&area, this](const char *name) {
        auto e = new QLineEdit(&area);
        e->setObjectName(QLatin1String(name));
        e->setFont(Twips::font(QStringLiteral("Arial"), 8.25, false));
        FieldGuard::install(*e, FieldGuard::Rule::Margin);
        connect(e, &QLineEdit::editingFinished, this, [this, e] { take(e); });
        // Enter takes the position and goes back to the field, for its
        // arrows; Esc goes back as well, leaving the field where it was.
        connect(e, &QLineEdit::returnPressed, this, &PositionBoxes::backToField);
        e->installEventFilter(this);
        return e;
    };
    m_caption = label("PosCampo", QStringLiteral("Posizione del campo"));
    m_leftCaption = label("PosLabelX", QStringLiteral("da sinistra"));
    m_left = box("PosX");
    m_topCaption = label("PosLabelY", QStringLiteral("dall'alto"));
    m_top = box("PosY");
    m_leftCaption->setBuddy(m_left);
    m_topCaption->setBuddy(m_top);
    m_unit = label("PosUnit", QStringLiteral("mm"));
    constexpr int Top = 3510;
    m_caption->setGeometry(Twips::rect(2925, Top + 15, 1695, 255));
    m_leftCaption->setGeometry(Twips::rect(4650, Top + 15, 810, 255));
    m_left->setGeometry(Twips::rect(5475, Top, 660, 285));
    m_topCaption->setGeometry(Twips::rect(6210, Top + 15, 690, 255));
    m_top->setGeometry(Twips::rect(6915, Top, 660, 285));
    m_unit->setGeometry(Twips::rect(7650, Top + 15, 300, 255));
    connect(&labels, &DesignLabels::currentChanged, this, &PositionBoxes::show);
    connect(&labels, &DesignLabels::positionRequested, this, [this] {
        m_left->setFocus(Qt::ShortcutFocusReason);
        m_left->selectAll();
    });
    show();
}

QList<QWidget *> PositionBoxes::controls() const
{
    return {m_caption, m_leftCaption, m_left, m_topCaption, m_top, m_unit};
}

bool PositionBoxes::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape
        && (watched == m_left || watched == m_top)) {
        show();
        m_left->setModified(false);
        m_top->setModified(false);
        backToField();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void PositionBoxes::backToField()
{
    if (const DesignLabels::Field *field = m_labels.current())
        field->label->setFocus(Qt::ShortcutFocusReason);
}

void PositionBoxes::show()
{
    const DesignLabels::Field *field = m_labels.current();
    for (QWidget *w : {static_cast<QWidget *>(m_left), static_cast<QWidget *>(m_top)})
        w->setEnabled(field != nullptr);
    if (!field) {
        m_left->clear();
        m_top->clear();
        return;
    }
    const FieldPosition &at = m_labels.positions().*field->position;
    m_left->setText(millimetres(at.left));
    m_top->setText(millimetres(at.top));
}

void PositionBoxes::take(QLineEdit *box)
{
    const DesignLabels::Field *field = m_labels.current();
    if (!field || !box->isModified())
        return;
    box->setModified(false);
    float value = 0;
    if (!NumberText::toSingle(QString(box->text()).replace(QLatin1Char('.'), QLatin1Char(',')), &value)
        || value < 0) {
        m_messages.notify(QStringLiteral("La posizione del campo va scritta in millimetri dall'angolo del "
                                         "modulo, per esempio 25,4."),
                          MessageBoxes::Icon::Exclamation);
        show();
        return;
    }
    FieldPosition at = m_labels.positions().*field->position;
    (box == m_left ? at.left : at.top) = LabelDrag::fromMillimetres(value);
    m_labels.moveCurrent(at);
    show(); // what the paper's edge let through
}
