#include "frminput.h"

#include "amountinwords.h"
#include "amounttext.h"
#include "appstate.h"
#include "bankselector.h"
#include "banner.h"
#include "chequeprint.h"
#include "chequerun.h"
#include "fieldnotices.h"
#include "folders.h"
#include "frmbanche.h"
#include "layoutfile.h"
#include "messageboxes.h"
#include "payeelist.h"
#include "pictures.h"
#include "qtfilechooser.h"
#include "screenreader.h"
#include "twips.h"
#include "textfile.h"
#include "unsavednotice.h"
#include "urlopener.h"
#include "widgetcolours.h"
#include "vendor.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

namespace {

const QColor FocusYellow(255, 255, 0);

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
    , m_files(std::make_unique<QtFileChooser>())
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
    connect(Registro, &QPushButton::clicked, this, &FrmInput::openRegister);
    auto registerKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), this);
    connect(registerKey, &QShortcut::activated, this, &FrmInput::openRegister);

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
                                       {QStringLiteral("AddBEN"), QStringLiteral("Aggiungi beneficiario")},
                                       {QStringLiteral("Registro"), QStringLiteral("Registro assegni")}});
}

FrmInput::~FrmInput() = default;

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
        WidgetColours::setFieldBackground(*w, normal);
    if (m_highlightable.contains(control))
        WidgetColours::setFieldBackground(*control, FocusYellow);
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

    ChequeFields fields;
    fields.LUOGO = LUOGO->text();
    fields.GGMMAAAA = GGMMAAAA->text();
    fields.IMPORTO = IMPORTO->text();
    fields.IMPORTO_ABC = IMPORTO_ABC->text();
    fields.BENEFICIARIO = BENEFICIARIO->currentText();
    fields.NumCC = NumCC->text();
    ChequeRun::print(m_state, fields, bankName(BANCA->currentIndex()), m_messages, m_printer, this);
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
