// The main window's form: its controls where the design puts them, with
// their fonts, colours, rules and tab order.

#include "frminput.h"

#include "autocompletekeyfilter.h"
#include "bankselector.h"
#include "banner.h"
#include "entrykeys.h"
#include "fieldguard.h"
#include "fieldnotices.h"
#include "payeelist.h"
#include "pictures.h"
#include "twips.h"
#include "vendorpanel.h"
#include "widgetcolours.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

namespace {

const QColor DarkRed(192, 0, 0);

void setTextColour(QWidget *widget, const QColor &colour)
{
    WidgetColours::set(*widget, {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}, colour);
}

} // namespace

void FrmInput::createControls()
{
    auto lineEdit = [this](const char *name, QRect geometry) {
        auto edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setGeometry(geometry);
        edit->setFont(Twips::font(QStringLiteral("Arial"), 9.75, true));
        return edit;
    };
    auto label = [this](const char *name, const QString &caption, QRect geometry, QWidget *parent) {
        auto l = new QLabel(caption, parent ? parent : this);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(geometry);
        l->setFont(Twips::font(QStringLiteral("Arial"), 9, true));
        return l;
    };
    auto combo = [this](const char *name, QRect geometry, bool editable) {
        auto c = new QComboBox(this);
        c->setObjectName(QLatin1String(name));
        c->setEditable(editable);
        c->setGeometry(geometry);
        c->setFont(Twips::font(QStringLiteral("Arial"), 9.75, true));
        setTextColour(c, DarkRed);
        if (editable) {
            // Completion is ours, from the list; the combo must neither add
            // what is typed nor complete on its own.
            c->setInsertPolicy(QComboBox::NoInsert);
            c->setCompleter(nullptr);
            setTextColour(c->lineEdit(), DarkRed);
        }
        return c;
    };
    auto button = [this](const char *name, const QString &toolTip, QRect geometry) {
        auto b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(geometry);
        b->setToolTip(toolTip);
        b->setCursor(Qt::PointingHandCursor);
        b->setAutoDefault(false);
        return b;
    };

    LUOGO = lineEdit("LUOGO", Twips::rect(1215, 90, 2220, 360));
    GGMMAAAA = lineEdit("GGMMAAAA", Twips::rect(4230, 90, 1185, 360));
    IMPORTO = lineEdit("IMPORTO", Twips::rect(6255, 90, 1210, 360));
    setTextColour(IMPORTO, Qt::blue);
    IMPORTO_ABC = lineEdit("IMPORTO_ABC", Twips::rect(1215, 540, 6255, 360));
    setTextColour(IMPORTO_ABC, Qt::blue);
    BENEFICIARIO = combo("BENEFICIARIO", Twips::rect(1215, 990, 4875, 360), true);
    m_payeeList = new PayeeList(*BENEFICIARIO, m_state, m_messages); // owned by the combo box
    new AutoCompleteKeyFilter(*BENEFICIARIO); // owned by the combo box
    BANCA = combo("BANCA", Twips::rect(1215, 1440, 4290, 360), false);
    NumCC = lineEdit("NumCC", Twips::rect(6020, 1440, 1455, 360));
    m_banks = new BankSelector(*BANCA, *NumCC, m_state); // owned by BANCA

    Label3 = label("Label3", QStringLiteral("Luogo"), Twips::rect(120, 135, 915, 285), nullptr);
    Label4 = label("Label4", QStringLiteral("Data"), Twips::rect(3780, 135, 465, 285), nullptr);
    Label2 = label("Label2", QStringLiteral("€uro"), Twips::rect(5805, 135, 600, 285), nullptr);
    ETABC = label("ETABC", QStringLiteral("€ (lettere)"), Twips::rect(120, 585, 915, 285), nullptr);
    Label1 = label("Label1", QStringLiteral("Beneficiario"), Twips::rect(120, 1050, 1185, 240), nullptr);
    Label7 = label("Label7", QStringLiteral("Banca"), Twips::rect(135, 1500, 1185, 240), nullptr);
    Label5 = label("Label5", QStringLiteral(" c/c"), Twips::rect(5625, 1485, 420, 285), nullptr);
    // A caption with its field as buddy is what a screen reader reads the field by.
    for (auto [caption, field] : {std::pair<QLabel *, QWidget *>{Label3, LUOGO}, {Label4, GGMMAAAA}, {Label2, IMPORTO},
                                  {ETABC, IMPORTO_ABC}, {Label1, BENEFICIARIO}, {Label7, BANCA}, {Label5, NumCC}})
        caption->setBuddy(field);

    AddBEN = button("AddBEN", QStringLiteral("Aggiungi Beneficiario alla lista"),
                    Twips::rect(6210, 990, 565, 375));
    AddBEN->setText(QStringLiteral("+"));
    AddBEN->setFont(Twips::font(QStringLiteral("Arial"), 15.75, true));
    DelBEN = button("DelBEN", QStringLiteral("Cancella Beneficiario dalla lista"),
                    Twips::rect(6885, 990, 565, 375));
    DelBEN->setIcon(Pictures::deleteEntry());
    DelBEN->setIconSize(QSize(20, 20));
    StampaAssegno = button("StampaAssegno", QStringLiteral("Stampa l'Assegno"),
                           Twips::rect(6210, 1890, 1265, 510));
    StampaAssegno->setIcon(Pictures::printer());
    StampaAssegno->setIconSize(QSize(28, 28));
    Calibrazione = button("Calibrazione", QStringLiteral("Modifica le coordinate di stampa..."),
                          Twips::rect(6210, 2475, 1265, 330));
    Calibrazione->setText(QStringLiteral("CALIBRAZIONE"));
    Calibrazione->setFont(Twips::font(QStringLiteral("Arial"), 6.75, false));

    // The one free place between the fields: after the date, before "€uro".
    Registro = button("Registro", QStringLiteral("Registro degli assegni stampati (Ctrl+R)"),
                      Twips::rect(5460, 105, 285, 330));
    Registro->setIcon(Pictures::registerBook());
    Registro->setIconSize(QSize(14, 14));

    brLOGO = new VendorPanel(m_urls, Twips::rect(110, 1890, 5990, 915), this);
    brRecapiti = brLOGO->brRecapiti;
    brURL = brLOGO->brURL;

    Frame2 = new QFrame(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setFrameShape(QFrame::HLine);
    Frame2->setFrameShadow(QFrame::Sunken);
    Frame2->setGeometry(Twips::rect(90, 2970, 7410, 30));

    Frame1 = new Banner(m_urls, Twips::rect(90, 2880, 7395, 645), this);
    Shape1 = Frame1->Shape1;
    Shape2 = Frame1->Shape2;
    TxtSpot = Frame1->TxtSpot;
    Timer1 = Frame1->Timer1;
    Shape3 = new QFrame(this);
    Shape3->setObjectName(QStringLiteral("Shape3"));
    Shape3->setFrameShape(QFrame::Box);
    Shape3->setGeometry(brLOGO->geometry().adjusted(-1, -1, 1, 1));
    Shape3->lower();
    Frame2->lower();

    m_highlightable = {LUOGO, GGMMAAAA, IMPORTO, IMPORTO_ABC, BENEFICIARIO, BANCA, NumCC};
    new EntryKeys(*LUOGO, *GGMMAAAA, *IMPORTO, *BENEFICIARIO, *BANCA); // owned by LUOGO
    // Place and account number go into the layout file, so they keep to
    // what it can hold, and say what they could not keep; the other fields
    // only ever go onto paper.
    FieldGuard::install(*LUOGO, FieldGuard::Rule::Storable,
                        FieldNotices::notStorable(m_messages, QStringLiteral("Luogo")));
    FieldGuard::install(*GGMMAAAA, FieldGuard::Rule::OneLine);
    FieldGuard::install(*IMPORTO, FieldGuard::Rule::Amount, FieldNotices::amountRefused(m_messages));
    FieldGuard::install(*IMPORTO_ABC, FieldGuard::Rule::OneLine);
    // The words are the amount's own: typed over, they could state another.
    IMPORTO_ABC->setReadOnly(true);
    FieldGuard::install(*BENEFICIARIO, FieldGuard::Rule::OneLine);
    FieldGuard::install(*NumCC, FieldGuard::Rule::Storable,
                        FieldNotices::notStorable(m_messages, QStringLiteral("Numero di conto")));
    for (QWidget *w : m_highlightable)
        WidgetColours::setFieldBackground(*w, palette().color(QPalette::Base));
}

void FrmInput::setTabOrderOfFields()
{
    const QList<QWidget *> order = {LUOGO, GGMMAAAA, IMPORTO, IMPORTO_ABC, BENEFICIARIO, BANCA,
                                    NumCC, StampaAssegno, Calibrazione, AddBEN, DelBEN, Registro};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}
