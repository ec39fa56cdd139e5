// The calibration window's form: its controls where the design puts them,
// and where they go when the window is enlarged.

#include "frmdesign.h"

#include "chequebackdrop.h"
#include "designlabels.h"
#include "fieldlabel.h"
#include "fieldguard.h"
#include "positionboxes.h"
#include "twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void frmDesign::createControls()
{
    // The labels come first so that the controls below stay above a label
    // dragged onto them.
    m_labels = new DesignLabels(*this);
    const QList<DesignLabels::Field> &fields = m_labels->fields();
    LUOGO = fields[0].label;
    GGMMAAAA = fields[1].label;
    IMPORTO_CIFRE = fields[2].label;
    IMPORTO_DEC = fields[3].label;
    IMPORTO_ABC = fields[4].label;
    BENEFICIARIO = fields[5].label;
    NUMEROcc = fields[6].label;
    MsgLabel = m_labels->hint();
    Position = new PositionBoxes(*m_labels, m_messages, *this);

    auto label = [](const char *name, const char *caption, QRect geometry, QWidget *parent) {
        auto l = new QLabel(QString::fromUtf8(caption), parent);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(geometry);
        return l;
    };
    auto lineEdit = [](const char *name, QRect geometry, QWidget *parent) {
        auto e = new QLineEdit(parent);
        e->setObjectName(QLatin1String(name));
        e->setGeometry(geometry);
        // The origin goes into the layout file as typed: the box keeps only
        // what the cheque's reader of that file reads as the test print
        // does, so that paper and cheque agree.
        FieldGuard::install(*e, FieldGuard::Rule::Margin);
        return e;
    };
    auto button = [this](const char *name, const char *caption, QRect geometry) {
        auto b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(geometry);
        // Enter in an origin box must not print or save behind the user's back.
        b->setAutoDefault(false);
        return b;
    };

    Frame1 = new QGroupBox(QStringLiteral("Origine di stampa"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(Twips::rect(45, 3465, 2745, 900));
    Label1 = label("Label1", "Sinistra", Twips::rect(120, 285, 960, 255), Frame1);
    SXmargin = lineEdit("SXmargin", Twips::rect(1095, 255, 735, 285), Frame1);
    Label3 = label("Label3", "cm", Twips::rect(1905, 285, 375, 255), Frame1);
    Label2 = label("Label2", "Superiore", Twips::rect(120, 585, 960, 255), Frame1);
    DXmargin = lineEdit("DXmargin", Twips::rect(1095, 555, 735, 285), Frame1);
    Label4 = label("Label4", "cm", Twips::rect(1905, 585, 375, 255), Frame1);
    // Screen readers read a box by the caption that has it as buddy.
    Label1->setBuddy(SXmargin);
    Label2->setBuddy(DXmargin);

    PrintComma = new QCheckBox(QStringLiteral("Stampa la virgola"), this);
    PrintComma->setObjectName(QStringLiteral("PrintComma"));
    PrintComma->setGeometry(Twips::rect(2925, 3960, 1770, 285));
    StampaTest = button("StampaTest", "Stampa di prova", Twips::rect(4545, 3870, 1365, 465));
    SalvaPos = button("SalvaPos", "Salva le impostazioni", Twips::rect(5985, 3870, 1365, 465));
    Resetta = button("Resetta", "Ripristina impostazioni", Twips::rect(7425, 3870, 1305, 465));
    // Small type, so that the controls' captions fit the room the design
    // gives them.
    for (QWidget *w : {static_cast<QWidget *>(Frame1), static_cast<QWidget *>(PrintComma)})
        w->setFont(Twips::font(QStringLiteral("Arial"), 8.25, false));
    for (QPushButton *b : {StampaTest, SalvaPos, Resetta})
        b->setFont(Twips::font(QStringLiteral("Arial"), 7, false));

    // The fields in the order they are printed, then their position, then
    // the rest as before.
    QList<QWidget *> order;
    for (const DesignLabels::Field &f : fields)
        order.append(f.label);
    order << Position->left() << Position->top() << SXmargin << DXmargin << PrintComma << StampaTest
          << SalvaPos << Resetta;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    // Enlarged, the window shows more of the form at the same scale; the
    // controls keep to the bottom, the buttons to the lower right.
    QList<QWidget *> left = Position->controls();
    left << Frame1 << PrintComma << MsgLabel;
    for (QWidget *w : std::as_const(left))
        m_anchored.append({w, w->geometry(), false});
    for (QWidget *w : {StampaTest, SalvaPos, Resetta})
        m_anchored.append({w, w->geometry(), true});

    // Key preview: the hint follows the modifiers whichever control has the
    // focus.
    m_labels->watch(*this);
    for (QWidget *child : findChildren<QWidget *>())
        m_labels->watch(*child);
}

void frmDesign::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int dx = width() - minimumWidth();
    const int dy = height() - minimumHeight();
    for (const Anchored &a : std::as_const(m_anchored)) {
        QRect r = a.designed.translated(a.right ? dx : 0, dy);
        if (a.widget == MsgLabel)
            r.setWidth(a.designed.width() + dx);
        a.widget->setGeometry(r);
    }
    Backdrop->setGeometry(rect());
}
