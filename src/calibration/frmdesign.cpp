#include "frmdesign.h"

#include "chequebackdrop.h"
#include "chequepicture.h"
#include "designlabels.h"
#include "fieldguard.h"
#include "folders.h"
#include "frmselprinter.h"
#include "layoutfile.h"
#include "messageboxes.h"
#include "originboxes.h"
#include "screenreader.h"
#include "testprint.h"
#include "textfile.h"
#include "twips.h"
#include "widgetcolours.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QColor Background(224, 224, 224);

} // namespace

frmDesign::frmDesign(const QString &dataFolder, qint32 idBanca, const QString &bankName,
                     const QString &accountNumber, MessageBoxes &messages, PrintDevice &printer,
                     QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
    , m_dataFolder(dataFolder)
    , m_idBanca(idBanca)
    , m_bankName(bankName)
    , m_messages(messages)
    , m_printer(printer)
{
    setObjectName(QStringLiteral("frmDesign"));
    setModal(true);
    setFixedSize(LabelDrag::toPixels(8775), LabelDrag::toPixels(4725));
    setAutoFillBackground(true);
    WidgetColours::set(*this, {QPalette::Window}, Background);
    // Moves over the bare area tell the hint to calm down again.
    setMouseTracking(true);
    createControls();
    Backdrop = new ChequeBackdrop(ChequePicture::fileName(dataFolder, idBanca), messages, this);

    connect(PrintComma, &QCheckBox::toggled, this, &frmDesign::showFiguresCaption);
    connect(SalvaPos, &QPushButton::clicked, this, &frmDesign::salvaPos);
    connect(Resetta, &QPushButton::clicked, this, &frmDesign::resetta);
    connect(StampaTest, &QPushButton::clicked, this, &frmDesign::stampaTest);

    InitPositions();
    setWindowTitle(QStringLiteral("Calibrazione assegno ") + bankName + QLatin1Char(' ') + accountNumber);
    ScreenReader::nameControls(
        *this, {{QStringLiteral("SXmargin"), QStringLiteral("Origine di stampa da sinistra, in centimetri")},
                {QStringLiteral("DXmargin"), QStringLiteral("Origine di stampa dall'alto, in centimetri")}});
}

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

    setTabOrder(SXmargin, DXmargin);
    setTabOrder(DXmargin, PrintComma);
    setTabOrder(PrintComma, StampaTest);
    setTabOrder(StampaTest, SalvaPos);
    setTabOrder(SalvaPos, Resetta);

    // Key preview: the hint follows the modifiers whichever control has the
    // focus.
    m_labels->watch(*this);
    for (QWidget *child : findChildren<QWidget *>())
        m_labels->watch(*child);
}

void frmDesign::InitPositions()
{
    const QString fileName = Folders::findAnyCase(LayoutFile::fileName(m_dataFolder, m_idBanca));
    QStringList lines;
    if (!QFileInfo(fileName).isFile() || !TextFile::readLines(fileName, &lines))
        return;
    QString left = SXmargin->text();
    QString top = DXmargin->text();
    ChequeLayout layout = positions();
    LayoutFile::readLines(lines, left, top, layout);
    SXmargin->setText(left);
    DXmargin->setText(top);
    m_labels->setPositions(layout);
    // A flag other than 1 prints no comma, so it shows as unticked.
    PrintComma->setChecked(layout.PrintComma == 1);
    showFiguresCaption();
}

ChequeLayout frmDesign::positions() const
{
    ChequeLayout layout = m_labels->positions();
    layout.SXmargin = 0;
    layout.DXmargin = 0;
    layout.PrintComma = PrintComma->isChecked() ? 1 : 0;
    return layout;
}

void frmDesign::showFiguresCaption()
{
    IMPORTO_CIFRE->setText(PrintComma->isChecked() ? QStringLiteral("IMPORTO ,") : QStringLiteral("IMPORTO"));
}

void frmDesign::mouseMoveEvent(QMouseEvent *event)
{
    if (!childAt(event->position().toPoint()))
        m_labels->calmHint();
    QDialog::mouseMoveEvent(event);
}

void frmDesign::keyPressEvent(QKeyEvent *event)
{
    // Esc would close the window and drop every unsaved move; closing is
    // left to the close box.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmDesign::salvaPos()
{
    if (!OriginBoxes::readable(*SXmargin, *DXmargin, m_messages))
        return;
    const auto answer = m_messages.question(QStringLiteral("Salvare le posizioni attuali ") + m_bankName
                                                + QLatin1Char('?'),
                                            MessageBoxes::Icon::Question, MessageBoxes::Answer::No);
    if (answer == MessageBoxes::Answer::Yes)
        save();
}

bool frmDesign::save()
{
    const QString fileName = LayoutFile::fileName(m_dataFolder, m_idBanca);
    const QString shownName = QDir::toNativeSeparators(fileName);
    QString error;
    const QStringList lines = LayoutFile::lines(QString(), SXmargin->text(), DXmargin->text(), positions(), QString());
    if (TextFile::writeLines(fileName, lines, &error))
        return true;
    // The window keeps every position, so the user can free the disk or
    // the folder and press the button again.
    m_messages.notify(QStringLiteral("Impossibile salvare le impostazioni nel file ") + shownName
                          + QStringLiteral(": ") + error
                          + QStringLiteral(". Le posizioni restano nella finestra: risolvere il problema e "
                                           "salvare di nuovo."),
                      MessageBoxes::Icon::Critical);
    return false;
}

void frmDesign::resetta()
{
    const auto answer = m_messages.question(QStringLiteral("Ripristinare le posizioni di tutti i campi ")
                                                + m_bankName + QLatin1Char('?'),
                                            MessageBoxes::Icon::Critical, MessageBoxes::Answer::No);
    if (answer == MessageBoxes::Answer::Yes)
        InitPositions();
}

void frmDesign::stampaTest()
{
    if (!OriginBoxes::readable(*SXmargin, *DXmargin, m_messages))
        return;
    // The preview and the paper show the same page, even across midnight.
    const QString left = SXmargin->text(), top = DXmargin->text(), date = ShortDate(QDate::currentDate());
    const ChequeLayout labels = positions();
    const auto testPage = [&](PrintDevice &device) { return PrintTestPage(device, left, top, labels, date); };
    frmSelPrinter selection(m_printer, m_dataFolder, m_messages, testPage, this);
    selection.exec();
    if (selection.printCancelled())
        return;
    if (!testPage(m_printer)) {
        m_messages.notify(QStringLiteral("La stampa di prova non è riuscita: controllare che la stampante "
                                         "scelta sia installata e accesa, poi riprovare."),
                          MessageBoxes::Icon::Exclamation);
    }
}
