#include "frminput.h"

#include "amountinwords.h"
#include "appstate.h"
#include "autocompletekeyfilter.h"
#include "bankselector.h"
#include "banner.h"
#include "beneficiaryarchive.h"
#include "chequeprint.h"
#include "combomessages.h"
#include "currency.h"
#include "fieldguard.h"
#include "folders.h"
#include "frmbanche.h"
#include "frmselprinter.h"
#include "layoutfile.h"
#include "messageboxes.h"
#include "pictures.h"
#include "screenreader.h"
#include "textfile.h"
#include "textlinesmodel.h"
#include "unsavednotice.h"
#include "urlopener.h"
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
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

const QColor DarkRed(192, 0, 0);
const QColor FocusYellow(255, 255, 0);

QFont named(const QString &family, qreal points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont arial(qreal points, bool bold)
{
    return named(QStringLiteral("Arial"), points, bold);
}

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(FrmInput::twips(left), FrmInput::twips(top), FrmInput::twips(width),
                 FrmInput::twips(height));
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
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
    setFixedSize(twips(7590), twips(3600));
    createControls();
    setTabOrderOfFields();
    connect(IMPORTO, &QLineEdit::textChanged, this, &FrmInput::refreshAmountInWords);
    connect(AddBEN, &QPushButton::clicked, this, [this] { SaveBeneficiario(false); });
    connect(DelBEN, &QPushButton::clicked, this, &FrmInput::deleteBeneficiary);
    connect(StampaAssegno, &QPushButton::clicked, this, &FrmInput::printCheque);
    connect(Calibrazione, &QPushButton::clicked, this, &FrmInput::openBankList);

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (QWidget *control = fieldOf(now))
            CtlFocus(control);
        if (fieldOf(now) == BENEFICIARIO)
            preparePayeeList();
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
        edit->setFont(arial(9.75, true));
        return edit;
    };
    auto label = [this](const char *name, const QString &caption, QRect geometry, QWidget *parent) {
        auto l = new QLabel(caption, parent ? parent : this);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(geometry);
        l->setFont(arial(9, true));
        return l;
    };
    auto combo = [this](const char *name, QRect geometry, bool editable) {
        auto c = new QComboBox(this);
        c->setObjectName(QLatin1String(name));
        c->setEditable(editable);
        c->setGeometry(geometry);
        c->setFont(arial(9.75, true));
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

    LUOGO = lineEdit("LUOGO", twipsRect(1215, 90, 2220, 360));
    GGMMAAAA = lineEdit("GGMMAAAA", twipsRect(4230, 90, 1185, 360));
    IMPORTO = lineEdit("IMPORTO", twipsRect(6255, 90, 1210, 360));
    setTextColour(IMPORTO, Qt::blue);
    IMPORTO_ABC = lineEdit("IMPORTO_ABC", twipsRect(1215, 540, 6255, 360));
    setTextColour(IMPORTO_ABC, Qt::blue);
    BENEFICIARIO = combo("BENEFICIARIO", twipsRect(1215, 990, 4875, 360), true);
    // The archive may hold a million names: they stay in the file's own
    // bytes, the list view does not measure every row, and the combo box
    // does not size itself to the longest name (its size is fixed anyway).
    m_payees = new TextLinesModel(BENEFICIARIO);
    BENEFICIARIO->setModel(m_payees);
    BENEFICIARIO->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto *list = qobject_cast<QListView *>(BENEFICIARIO->view()))
        list->setUniformItemSizes(true);
    new AutoCompleteKeyFilter(*BENEFICIARIO); // owned by the combo box
    BANCA = combo("BANCA", twipsRect(1215, 1440, 4290, 360), false);
    NumCC = lineEdit("NumCC", twipsRect(6020, 1440, 1455, 360));
    m_banks = new BankSelector(*BANCA, *NumCC, m_state); // owned by BANCA

    Label3 = label("Label3", QStringLiteral("Luogo"), twipsRect(120, 135, 915, 285), nullptr);
    Label4 = label("Label4", QStringLiteral("Data"), twipsRect(3780, 135, 465, 285), nullptr);
    Label2 = label("Label2", QStringLiteral("€uro"), twipsRect(5805, 135, 600, 285), nullptr);
    ETABC = label("ETABC", QStringLiteral("€ (lettere)"), twipsRect(120, 585, 915, 285), nullptr);
    Label1 = label("Label1", QStringLiteral("Beneficiario"), twipsRect(120, 1050, 1185, 240), nullptr);
    Label7 = label("Label7", QStringLiteral("Banca"), twipsRect(135, 1500, 1185, 240), nullptr);
    Label5 = label("Label5", QStringLiteral(" c/c"), twipsRect(5625, 1485, 420, 285), nullptr);

    AddBEN = button("AddBEN", QStringLiteral("Aggiungi Beneficiario alla lista"),
                    twipsRect(6210, 990, 565, 375));
    AddBEN->setText(QStringLiteral("+"));
    AddBEN->setFont(arial(15.75, true));
    DelBEN = button("DelBEN", QStringLiteral("Cancella Beneficiario dalla lista"),
                    twipsRect(6885, 990, 565, 375));
    DelBEN->setIcon(Pictures::deleteEntry());
    DelBEN->setIconSize(QSize(20, 20));
    StampaAssegno = button("StampaAssegno", QStringLiteral("Stampa l'Assegno"),
                           twipsRect(6210, 1890, 1265, 510));
    StampaAssegno->setIcon(Pictures::printer());
    StampaAssegno->setIconSize(QSize(28, 28));
    Calibrazione = button("Calibrazione", QStringLiteral("Modifica le coordinate di stampa..."),
                          twipsRect(6210, 2475, 1265, 330));
    Calibrazione->setText(QStringLiteral("CALIBRAZIONE"));
    Calibrazione->setFont(arial(6.75, false));

    brLOGO = new VendorPanel(m_urls, twipsRect(110, 1890, 5990, 915), this);
    brRecapiti = brLOGO->brRecapiti;
    brURL = brLOGO->brURL;

    Frame2 = new QFrame(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setFrameShape(QFrame::HLine);
    Frame2->setFrameShadow(QFrame::Sunken);
    Frame2->setGeometry(twipsRect(90, 2970, 7410, 30));

    Frame1 = new Banner(m_urls, twipsRect(90, 2880, 7395, 645), this);
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
    for (QWidget *w : {static_cast<QWidget *>(LUOGO), static_cast<QWidget *>(GGMMAAAA),
                       static_cast<QWidget *>(IMPORTO), static_cast<QWidget *>(BANCA)})
        w->installEventFilter(this);
    // The open list takes the keyboard; without this it would pick a bank
    // by its first letter.
    BANCA->view()->installEventFilter(this);
    // Place and account number go into the layout file, so they keep to
    // what it can hold; the other fields only ever go onto paper.
    FieldGuard::install(*LUOGO, FieldGuard::Rule::Storable);
    FieldGuard::install(*GGMMAAAA, FieldGuard::Rule::OneLine);
    FieldGuard::install(*IMPORTO, FieldGuard::Rule::Amount);
    FieldGuard::install(*IMPORTO_ABC, FieldGuard::Rule::OneLine);
    FieldGuard::install(*BENEFICIARIO, FieldGuard::Rule::OneLine);
    FieldGuard::install(*NumCC, FieldGuard::Rule::Storable);
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
    LayoutFile::LoadLayout(LayoutFile::fileName(m_state.DataFolder, m_state.IDbanca),
                           m_state.layout, place, account);
    m_banks->selectionRule();
    loadBeneficiaries();
    writeDefaultLayoutIfMissing();
    LUOGO->setFocus();
    return true;
}

void FrmInput::InitSpot()
{
    Frame1->InitSpot(Vendor::spots());
}

void FrmInput::loadBeneficiaries()
{
    // The lookup for auto-completion is left for the first key: sorting a
    // long list here would only delay the window.
    m_payees->load(BeneficiaryArchive::fileName(m_state.DataFolder));
    // Filling the list must not put a name into the field.
    BENEFICIARIO->setCurrentIndex(-1);
    BENEFICIARIO->clearEditText();
}

void FrmInput::preparePayeeList()
{
    if (m_payeesPrepared)
        return;
    m_payeesPrepared = true;
    // The field is about to be used: the lookup is sorted on another thread
    // and the list laid out now, so that the first key only opens it.
    prepareSelectString(*BENEFICIARIO);
    BENEFICIARIO->view()->doItemsLayout();
}

int FrmInput::beneficiaryIndex(const QString &name) const
{
    return m_payees->indexOf(name);
}

void FrmInput::SaveBeneficiario(bool silentMode)
{
    const QString name = BENEFICIARIO->currentText().trimmed();
    if (name.isEmpty()) {
        if (!silentMode) {
            m_messages.notify(QStringLiteral("Occorre digitare un Beneficiario."),
                              MessageBoxes::Icon::Critical);
            BENEFICIARIO->setFocus();
        }
        return;
    }
    if (beneficiaryIndex(name) >= 0) {
        if (!silentMode)
            m_messages.notify(QStringLiteral("Beneficiario già presente."), MessageBoxes::Icon::Exclamation);
        return;
    }
    // The archive is 8-bit text: a name it cannot hold would come back
    // garbled at the next start, so it is not offered at all.
    const QString unstorable = BeneficiaryArchive::unstorableCharacters(name);
    if (!unstorable.isEmpty()) {
        m_messages.notify(QStringLiteral("Il Beneficiario «") + name
                              + QStringLiteral("» contiene caratteri che l'archivio dei Beneficiari "
                                               "non può conservare (")
                              + unstorable + QStringLiteral(") e non viene salvato."),
                          MessageBoxes::Icon::Exclamation);
        return;
    }
    const auto answer = m_messages.question(QStringLiteral("Si desidera aggiungere «") + name
                                                + QStringLiteral("» all'archivio dei Beneficiari?"),
                                            MessageBoxes::Icon::Exclamation, MessageBoxes::Answer::Yes);
    if (answer != MessageBoxes::Answer::Yes)
        return;
    // A name that could not be stored is still offered for this run.
    const QString archive = BeneficiaryArchive::fileName(m_state.DataFolder);
    QString reason;
    if (!BeneficiaryArchive::append(archive, name, &reason))
        notifyUnsaved(m_messages, archive, reason);
    const QString typed = BENEFICIARIO->currentText();
    m_payees->append(name);
    // Adding the first item would otherwise replace what the field shows.
    BENEFICIARIO->setEditText(typed);
}

void FrmInput::deleteBeneficiary()
{
    const QString name = BENEFICIARIO->currentText().trimmed();
    if (name.isEmpty())
        return;
    const int index = beneficiaryIndex(name);
    if (index < 0) {
        BENEFICIARIO->clearEditText();
        return;
    }
    const auto answer = m_messages.question(QStringLiteral("Si desidera ELIMINARE «") + name
                                                + QStringLiteral("» all'archivio dei Beneficiari?"),
                                            MessageBoxes::Icon::Critical, MessageBoxes::Answer::No);
    if (answer != MessageBoxes::Answer::Yes)
        return;
    BENEFICIARIO->removeItem(index);
    BENEFICIARIO->setCurrentIndex(-1);
    BENEFICIARIO->clearEditText();
    // The names go back byte for byte, never through Unicode and back.
    const QString archive = BeneficiaryArchive::fileName(m_state.DataFolder);
    QString reason;
    if (!TextFile::writeBytes(archive, m_payees->fileBytes(), &reason))
        notifyUnsaved(m_messages, archive, reason);
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

    SaveBeneficiario(true);

    // The layout is read afresh: a calibration since the last print counts.
    const QString layoutFile = LayoutFile::fileName(m_state.DataFolder, m_state.IDbanca);
    QString scratch;
    LayoutFile::LoadLayout(layoutFile, m_state.layout, scratch, scratch);

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
    if (QFileInfo::exists(name))
        return;
    // A failed write leaves no file behind, so the next start tries again.
    QString reason;
    if (!TextFile::writeLines(name, LayoutFile::defaultLines(), &reason))
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

bool FrmInput::amountKeyRefused(QKeyEvent *key)
{
    // Keys that type nothing (arrows, Delete, Home) and focus keys are not
    // characters: they work as in any field.
    if (key->text().isEmpty() || key->key() == Qt::Key_Delete || key->key() == Qt::Key_Tab
        || key->key() == Qt::Key_Backtab)
        return false;
    QChar c = key->text().at(0);
    if (c == QLatin1Char('.')) {
        // The keypad's point and the full stop both mean the decimal comma.
        if (IMPORTO->text().contains(QLatin1Char(',')))
            return true;
        IMPORTO->insert(QStringLiteral(","));
        return true;
    }
    if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('\b'))
        return false;
    if (c == QLatin1Char(','))
        return IMPORTO->text().contains(QLatin1Char(','));
    return true;
}

void FrmInput::refreshAmountInWords()
{
    IMPORTO_ABC->clear();
    if (IMPORTO->text().isEmpty())
        return;
    // Text the key rule could not keep out (a lone comma, a paste) has no
    // words rather than wrong ones.
    if (const auto amount = Currency::fromText(IMPORTO->text()))
        IMPORTO_ABC->setText(AmountInWords(*amount));
}

bool FrmInput::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto key = static_cast<QKeyEvent *>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;

    if (watched == BANCA || watched == BANCA->view()) {
        // A bank is chosen with the mouse or the arrows only: no typed
        // character reaches the field or its open list.
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        default:
            return !key->text().isEmpty();
        }
    }
    if (watched == IMPORTO && !enter && amountKeyRefused(key))
        return true;
    if (enter) {
        if (watched == LUOGO) {
            GGMMAAAA->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (watched == GGMMAAAA) {
            IMPORTO->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (watched == IMPORTO) {
            BENEFICIARIO->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
