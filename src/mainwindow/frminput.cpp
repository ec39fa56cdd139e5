#include "frminput.h"

#include "amountinwords.h"
#include "amounttext.h"
#include "appstate.h"
#include "autocompletekeyfilter.h"
#include "bankselector.h"
#include "entrykeys.h"
#include "banner.h"
#include "chequeprint.h"
#include "currency.h"
#include "fieldguard.h"
#include "fieldnotices.h"
#include "folders.h"
#include "frmbanche.h"
#include "frmselprinter.h"
#include "layoutfile.h"
#include "messageboxes.h"
#include "payeelist.h"
#include "pictures.h"
#include "screenreader.h"
#include "twips.h"
#include "textfile.h"
#include "unsavednotice.h"
#include "urlopener.h"
#include "widgetcolours.h"
#include "vendor.h"
#include "vendorpanel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

const QColor DarkRed(192, 0, 0);
const QColor FocusYellow(255, 255, 0);

void setTextColour(QWidget *widget, const QColor &colour)
{
    WidgetColours::set(*widget, {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}, colour);
}

void setFieldBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    // A list-only combo box paints its face with the button colour.
    if (auto combo = qobject_cast<QComboBox *>(widget); combo && !combo->isEditable())
        palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
    if (auto combo = qobject_cast<QComboBox *>(widget); combo && combo->lineEdit())
        combo->lineEdit()->setPalette(palette);
}

} // namespace

FrmInput::FrmInput(AppState &state, const QString &dataFolder, MessageBoxes &messages,
                   UrlOpener &urls, PrintDevice &printer, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
    , m_state(state)
    , m_dataFolder(dataFolder)
    , m_messages(messages)
    , m_urls(urls)
    , m_printer(printer)
{
    setObjectName(QStringLiteral("FrmInput"));
    setWindowTitle(QStringLiteral("Brentola - Quendra"));
    setWindowIcon(Pictures::windowIcon());
    setFixedSize(Twips::toPixels(7590), Twips::toPixels(3600));
    createControls();
    setTabOrderOfFields();
    connect(IMPORTO, &QLineEdit::textChanged, this, &FrmInput::refreshAmountInWords);
    connect(AddBEN, &QPushButton::clicked, this, [this] { SaveBeneficiario(false); });
    connect(DelBEN, &QPushButton::clicked, m_payeeList, &PayeeList::deleteBeneficiary);
    connect(StampaAssegno, &QPushButton::clicked, this, &FrmInput::printCheque);
    connect(Calibrazione, &QPushButton::clicked, this, &FrmInput::openBankList);

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (QWidget *control = fieldOf(now))
            CtlFocus(control);
        if (fieldOf(now) == BENEFICIARIO)
            m_payeeList->prepare();
    });
    ScreenReader::nameControls(*this, {{QStringLiteral("LUOGO"), QStringLiteral("Luogo")},
                                       {QStringLiteral("GGMMAAAA"), QStringLiteral("Data")},
                                       {QStringLiteral("IMPORTO"), QStringLiteral("Importo in euro")},
                                       {QStringLiteral("IMPORTO_ABC"), QStringLiteral("Importo in lettere")},
                                       {QStringLiteral("BENEFICIARIO"), QStringLiteral("Beneficiario")},
                                       {QStringLiteral("BANCA"), QStringLiteral("Banca")},
                                       {QStringLiteral("NumCC"), QStringLiteral("Numero di conto corrente")},
                                       {QStringLiteral("AddBEN"), QStringLiteral("Aggiungi beneficiario")}});
}

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
        setFieldBackground(w, palette().color(QPalette::Base));
}

void FrmInput::setTabOrderOfFields()
{
    const QList<QWidget *> order = {LUOGO, GGMMAAAA, IMPORTO, IMPORTO_ABC, BENEFICIARIO, BANCA,
                                    NumCC, StampaAssegno, Calibrazione, AddBEN, DelBEN};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

QWidget *FrmInput::fieldOf(QWidget *focused) const
{
    // An editable combo box hands the focus to its line edit.
    for (QWidget *w = focused; w; w = w->parentWidget()) {
        if (m_highlightable.contains(w) || w == StampaAssegno || w == Calibrazione)
            return w;
        if (w == this)
            break;
    }
    return nullptr;
}

void FrmInput::CtlFocus(QWidget *control)
{
    const QColor normal = QApplication::palette().color(QPalette::Base);
    for (QWidget *w : std::as_const(m_highlightable))
        setFieldBackground(w, normal);
    if (m_highlightable.contains(control))
        setFieldBackground(control, FocusYellow);
}

bool FrmInput::load()
{
    InitSpot();

    if (!Folders::FolderExists(m_dataFolder))
        Folders::createFolder(m_dataFolder);
    if (!Folders::FolderExists(m_dataFolder)) {
        m_messages.notify(QStringLiteral("Errore durante il salvataggio delle impostazioni."),
                          MessageBoxes::Icon::Critical);
        return false;
    }
    m_state.DataFolder = m_dataFolder;
    brRecapiti->setText(Vendor::postalAddress());

    m_banks->SetLastIDbanca();
    m_banks->PopolaBanche();
    // The place and account number the file remembers are not shown: the
    // place field starts empty and the account follows the selected bank.
    QString place;
    QString account;
    LayoutFile::loadBankLayout(m_state.DataFolder, m_state.IDbanca, m_state.layout, place, account);
    m_banks->selectionRule();
    m_payeeList->load();
    writeDefaultLayoutIfMissing();
    LUOGO->setFocus();
    return true;
}

void FrmInput::InitSpot()
{
    Frame1->InitSpot(Vendor::spots());
}

void FrmInput::SaveBeneficiario(bool silentMode)
{
    m_payeeList->SaveBeneficiario(silentMode);
}

void FrmInput::printCheque()
{
    const bool nothingToPrint = LUOGO->text().trimmed().isEmpty() && GGMMAAAA->text().trimmed().isEmpty()
        && IMPORTO->text().trimmed().isEmpty() && BENEFICIARIO->currentText().trimmed().isEmpty()
        && NumCC->text().trimmed().isEmpty();
    if (nothingToPrint) {
        m_messages.notify(QStringLiteral("Occorre inserire almeno un dato per poter stampare."),
                          MessageBoxes::Icon::Critical);
        return;
    }

    // An amount that cannot be read would print as no amount at all.
    if (!IMPORTO->text().trimmed().isEmpty() && !AmountText::read(IMPORTO->text().trimmed())) {
        FieldNotices::amountIncomplete(m_messages, IMPORTO->text());
        IMPORTO->setFocus();
        return;
    }

    SaveBeneficiario(true);

    // The layout is read afresh: a calibration since the last print counts.
    const QString layoutFile = LayoutFile::fileName(m_state.DataFolder, m_state.IDbanca);
    QString scratch;
    LayoutFile::loadBankLayout(m_state.DataFolder, m_state.IDbanca, m_state.layout, scratch, scratch);
    if (const auto notice = OffPageNotice(m_state.layout, layoutFile)) {
        m_messages.notify(*notice, MessageBoxes::Icon::Exclamation);
        return;
    }

    ChequeFields fields;
    fields.LUOGO = LUOGO->text();
    fields.GGMMAAAA = GGMMAAAA->text();
    fields.IMPORTO = IMPORTO->text();
    fields.IMPORTO_ABC = IMPORTO_ABC->text();
    fields.BENEFICIARIO = BENEFICIARIO->currentText();
    fields.NumCC = NumCC->text();
    const ChequeLayout &layout = m_state.layout;
    frmSelPrinter selection(
        m_printer, [&](PrintDevice &device) { return PrintChequePage(device, layout, fields); }, this);
    selection.exec();
    m_state.PrintCancelled = selection.printCancelled();
    if (m_state.PrintCancelled)
        return;

    // Rewriting the file also makes this bank the one used last, which the
    // next start selects again.
    // The cheque is printed all the same: the layout was read just now.
    QString reason;
    if (!TextFile::writeLines(layoutFile, LayoutFile::lines(LUOGO->text().trimmed(), m_state.layout,
                                                            NumCC->text().trimmed()),
                              &reason))
        notifyUnsaved(m_messages, layoutFile, reason);

    PrintChequePage(m_printer, m_state.layout, fields);
}

void FrmInput::openBankList()
{
    hide();
    {
        FrmBanche banks(m_state.DataFolder, m_state.IDbanca, m_state.currentBankName,
                        m_state.currentAccountNumber, m_messages, m_printer, this);
        banks.exec();
    }
    // Back however the bank list or the calibration window was closed,
    // close box included: a hidden main window would leave no way back.
    show();
    m_banks->PopolaBanche();
}

void FrmInput::writeDefaultLayoutIfMissing()
{
    const QString name = LayoutFile::fileName(m_state.DataFolder, m_state.IDbanca);
    if (QFileInfo::exists(Folders::findAnyCase(name)))
        return;
    // A failed write leaves no file behind, so the next start tries again.
    QString reason;
    if (!TextFile::writeLines(name, LayoutFile::defaultLayout(m_state.DataFolder), &reason))
        notifyUnsaved(m_messages, name, reason);
}

void FrmInput::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        if (QScreen *screen = this->screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
        Timer1->start();
    }
}

void FrmInput::refreshAmountInWords()
{
    IMPORTO_ABC->clear();
    if (IMPORTO->text().isEmpty())
        return;
    // Text the key rule could not keep out (a lone comma, a paste) has no
    // words rather than wrong ones.
    if (const auto amount = AmountText::read(IMPORTO->text()))
        IMPORTO_ABC->setText(AmountInWords(*amount));
}
