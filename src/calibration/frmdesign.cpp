#include "frmdesign.h"

#include "chequebackdrop.h"
#include "chequepicture.h"
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

#include <QApplication>
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
const QColor PaleCyan(192, 255, 255);
const QColor Blue(0, 0, 255);
const QColor DarkRed(192, 0, 0);
const QColor DarkGrey(64, 64, 64);
const QColor Red(255, 0, 0);

const QString HintIdle = QStringLiteral(
    "Tenere premuto SHIFT, cliccare e trascinare con il mouse per modificare le posizioni");
const QString HintDragging = QStringLiteral("Cliccare e trascinare con il mouse il campo da spostare");

constexpr int LabelHeight = 255;
constexpr Qt::KeyboardModifiers DragModifiers = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

/// The modifiers held once \a key has gone down or up: the key event of a
/// modifier itself may or may not count it, depending on the platform.
Qt::KeyboardModifiers heldAfter(const QKeyEvent &key)
{
    Qt::KeyboardModifiers held = key.modifiers();
    Qt::KeyboardModifier own = Qt::NoModifier;
    switch (key.key()) {
    case Qt::Key_Shift: own = Qt::ShiftModifier; break;
    case Qt::Key_Control: own = Qt::ControlModifier; break;
    case Qt::Key_Alt: own = Qt::AltModifier; break;
    default: return held;
    }
    return key.type() == QEvent::KeyPress ? held | own : held & ~own;
}

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
    struct Design
    {
        const char *name;
        const char *caption;
        int left, top, width;
        QColor text;
        FieldPosition ChequeLayout::*position;
    };
    const Design labels[] = {
        {"LUOGO", "LUOGO", 1710, 225, 2130, Qt::black, &ChequeLayout::LUOGO},
        {"GGMMAAAA", "DATA", 4275, 225, 915, Qt::black, &ChequeLayout::GGMMAAAA},
        {"IMPORTO_CIFRE", "IMPORTO", 6000, 225, 2010, Blue, &ChequeLayout::IMPORTO_CIFRE},
        {"IMPORTO_DEC", "00", 8280, 225, 330, Blue, &ChequeLayout::IMPORTO_DEC},
        {"IMPORTO_ABC", "IMPORTO IN LETTERE", 1710, 1395, 5775, Blue, &ChequeLayout::IMPORTO_ABC},
        {"BENEFICIARIO", "BENEFICIARIO", 1710, 2070, 5775, DarkRed, &ChequeLayout::BENEFICIARIO},
        {"NUMEROcc", "NUMERO C/C", 1710, 2655, 5775, Qt::black, &ChequeLayout::NUMEROcc},
    };
    // The labels come first so that the controls below stay above a label
    // dragged onto them.
    for (const Design &d : labels) {
        auto label = new QLabel(QLatin1String(d.caption), this);
        label->setObjectName(QLatin1String(d.name));
        label->setGeometry(Twips::rect(d.left, d.top, d.width, LabelHeight));
        label->setFont(Twips::font(QStringLiteral("Arial"), 8.25, true));
        label->setAutoFillBackground(true);
        WidgetColours::set(*label, {QPalette::Window}, PaleCyan);
        WidgetColours::set(*label, {QPalette::WindowText}, d.text);
        label->setCursor(Qt::SizeAllCursor);
        label->installEventFilter(this);
        m_fields.append({label, d.position});
        (m_positions.*d.position) = FieldPosition{float(d.top), float(d.left)};
    }
    LUOGO = m_fields[0].label;
    GGMMAAAA = m_fields[1].label;
    IMPORTO_CIFRE = m_fields[2].label;
    IMPORTO_DEC = m_fields[3].label;
    IMPORTO_ABC = m_fields[4].label;
    BENEFICIARIO = m_fields[5].label;
    NUMEROcc = m_fields[6].label;

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

    MsgLabel = label("MsgLabel", "", Twips::rect(45, 4410, 8670, 270), this);
    MsgLabel->setText(HintIdle);
    MsgLabel->setFont(Twips::font(QStringLiteral("Arial"), 8.25, false));
    setHintColour(DarkGrey);

    setTabOrder(SXmargin, DXmargin);
    setTabOrder(DXmargin, PrintComma);
    setTabOrder(PrintComma, StampaTest);
    setTabOrder(StampaTest, SalvaPos);
    setTabOrder(SalvaPos, Resetta);

    // Key preview: the hint follows the modifiers whichever control has the
    // focus.
    installEventFilter(this);
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
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
    m_positions = layout;
    showPositions();
    // A flag other than 1 prints no comma, so it shows as unticked.
    PrintComma->setChecked(layout.PrintComma == 1);
    showFiguresCaption();
}

ChequeLayout frmDesign::positions() const
{
    ChequeLayout layout = m_positions;
    layout.SXmargin = 0;
    layout.DXmargin = 0;
    layout.PrintComma = PrintComma->isChecked() ? 1 : 0;
    return layout;
}

void frmDesign::showPositions()
{
    for (const Field &f : std::as_const(m_fields)) {
        const FieldPosition &p = m_positions.*f.position;
        f.label->move(LabelDrag::toPixels(p.left), LabelDrag::toPixels(p.top));
    }
}

void frmDesign::showFiguresCaption()
{
    IMPORTO_CIFRE->setText(PrintComma->isChecked() ? QStringLiteral("IMPORTO ,") : QStringLiteral("IMPORTO"));
}

void frmDesign::setHintColour(const QColor &colour)
{
    WidgetColours::set(*MsgLabel, {QPalette::WindowText}, colour);
}

void frmDesign::showHint(const QKeyEvent &key)
{
    MsgLabel->setText(heldAfter(key) & DragModifiers ? HintDragging : HintIdle);
}

bool frmDesign::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        showHint(*static_cast<QKeyEvent *>(event));
        if (event->type() == QEvent::KeyPress && nudge(*static_cast<QKeyEvent *>(event)))
            return true;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        for (const Field &f : std::as_const(m_fields)) {
            if (f.label == watched)
                return labelMouse(f, static_cast<QMouseEvent *>(event));
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

bool frmDesign::labelMouse(const Field &field, QMouseEvent *mouse)
{
    const QPoint at = LabelDrag::toTwips(mouse->position());
    FieldPosition &position = m_positions.*field.position;
    switch (mouse->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (!m_drag.press(at, mouse->modifiers() & DragModifiers)) {
            setHintColour(Red);
        } else {
            m_lastDragged = &field;
            // SHIFT+arrows now move this label, not a selection in an
            // origin box.
            if (qobject_cast<QLineEdit *>(QApplication::focusWidget()))
                setFocus();
        }
        break;
    case QEvent::MouseMove:
        if (const auto moved = m_drag.moveTo(position, at)) {
            position = *moved;
            field.label->move(LabelDrag::toPixels(position.left), LabelDrag::toPixels(position.top));
        }
        break;
    default:
        m_drag.release();
        break;
    }
    return true;
}

bool frmDesign::nudge(const QKeyEvent &key)
{
    const Qt::KeyboardModifiers held = key.modifiers() & ~Qt::KeypadModifier;
    if (!m_lastDragged || (held != Qt::ShiftModifier && held != (Qt::ShiftModifier | Qt::ControlModifier))
        || qobject_cast<QLineEdit *>(QApplication::focusWidget()))
        return false;
    int dx = 0, dy = 0;
    switch (key.key()) {
    case Qt::Key_Left: dx = -1; break;
    case Qt::Key_Right: dx = 1; break;
    case Qt::Key_Up: dy = -1; break;
    case Qt::Key_Down: dy = 1; break;
    default: return false;
    }
    FieldPosition &position = m_positions.*m_lastDragged->position;
    position = LabelDrag::nudge(position, dx, dy, held & Qt::ControlModifier);
    m_lastDragged->label->move(LabelDrag::toPixels(position.left), LabelDrag::toPixels(position.top));
    return true;
}

void frmDesign::mouseMoveEvent(QMouseEvent *event)
{
    if (!childAt(event->position().toPoint()))
        setHintColour(DarkGrey);
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
    frmSelPrinter selection(m_printer, testPage, this);
    selection.exec();
    if (selection.printCancelled())
        return;
    if (!testPage(m_printer)) {
        m_messages.notify(QStringLiteral("La stampa di prova non è riuscita: controllare che la stampante "
                                         "scelta sia installata e accesa, poi riprovare."),
                          MessageBoxes::Icon::Exclamation);
    }
}
