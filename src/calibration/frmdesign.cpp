#include "frmdesign.h"

#include "chequebackdrop.h"
#include "chequepicture.h"
#include "picturealignment.h"
#include "designlabels.h"
#include "fieldlabel.h"
#include "positionboxes.h"
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
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>

namespace {

const QColor Background(224, 224, 224);

} // namespace

frmDesign::frmDesign(const QString &dataFolder, qint32 idBanca, const QString &bankName,
                     const QString &accountNumber, MessageBoxes &messages, PrintDevice &printer,
                     QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::WindowMaximizeButtonHint)
    , m_dataFolder(dataFolder)
    , m_idBanca(idBanca)
    , m_bankName(bankName)
    , m_messages(messages)
    , m_printer(printer)
{
    setObjectName(QStringLiteral("frmDesign"));
    setModal(true);
    // The designed size is the smallest; larger shows more of the form, at
    // the same true scale, up to a whole landscape page.
    setMinimumSize(LabelDrag::toPixels(8775), LabelDrag::toPixels(4725));
    resize(minimumSize());
    setAutoFillBackground(true);
    WidgetColours::set(*this, {QPalette::Window}, Background);
    // Moves over the bare area tell the hint to calm down again.
    setMouseTracking(true);
    createControls();
    Backdrop = new ChequeBackdrop(ChequePicture::fileName(dataFolder, idBanca),
                                  PictureAlignmentFile::fileName(dataFolder, idBanca), messages, this);

    connect(PrintComma, &QCheckBox::toggled, this, [this] {
        showFiguresCaption();
        record();
    });
    connect(m_labels, &DesignLabels::moved, this, &frmDesign::record);
    connect(Backdrop, &ChequeBackdrop::changed, this, &frmDesign::record);
    for (QLineEdit *box : {SXmargin, DXmargin})
        connect(box, &QLineEdit::editingFinished, this, &frmDesign::record);
    createShortcuts();
    connect(SalvaPos, &QPushButton::clicked, this, &frmDesign::salvaPos);
    connect(Resetta, &QPushButton::clicked, this, &frmDesign::resetta);
    connect(StampaTest, &QPushButton::clicked, this, &frmDesign::stampaTest);

    InitPositions();
    m_history.reset(current());
    setWindowTitle(QStringLiteral("Calibrazione assegno ") + bankName + QLatin1Char(' ') + accountNumber);
    ScreenReader::nameControls(
        *this, {{QStringLiteral("SXmargin"), QStringLiteral("Origine di stampa da sinistra, in centimetri")},
                {QStringLiteral("DXmargin"), QStringLiteral("Origine di stampa dall'alto, in centimetri")},
                {QStringLiteral("PosX"), QStringLiteral("Posizione del campo da sinistra, in millimetri")},
                {QStringLiteral("PosY"), QStringLiteral("Posizione del campo dall'alto, in millimetri")}});
}

frmDesign::~frmDesign()
{
    // The base class hides the controls after this object's members are
    // gone, and a text box that loses the focus then says it was edited.
    for (QObject *child : findChildren<QObject *>())
        disconnect(child, nullptr, this, nullptr);
}

void frmDesign::InitPositions()
{
    const QString fileName = Folders::findAnyCase(LayoutFile::fileName(m_dataFolder, m_idBanca));
    QStringList lines;
    if (!QFileInfo(fileName).isFile() || !TextFile::readLines(fileName, &lines))
        return;
    const QScopedValueRollback applying(m_applying, true);
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

DesignState frmDesign::current() const
{
    return {positions(), SXmargin->text(), DXmargin->text(), Backdrop->picture(), Backdrop->alignment()};
}

void frmDesign::apply(const DesignState &state)
{
    const QScopedValueRollback applying(m_applying, true);
    SXmargin->setText(state.left);
    DXmargin->setText(state.top);
    PrintComma->setChecked(state.positions.PrintComma == 1);
    showFiguresCaption();
    m_labels->setPositions(state.positions);
    Backdrop->show(state.picture, state.alignment);
}

void frmDesign::record()
{
    if (!m_applying)
        m_history.record(current());
}

void frmDesign::undo()
{
    record(); // an origin still being typed counts as a change of its own
    apply(m_history.undo());
}

void frmDesign::redo()
{
    apply(m_history.redo());
}

void frmDesign::createShortcuts()
{
    // In an origin box CTRL+Z stays the box's own: the box takes it first.
    connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, this, &frmDesign::undo);
    // CTRL+Y everywhere, and the desktop's own redo keys; one shortcut a
    // key, since two on the same key would both stay silent.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        redoKeys.append(QKeySequence(Qt::CTRL | Qt::Key_Y));
    for (const QKeySequence &keys : std::as_const(redoKeys))
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &frmDesign::redo);
    for (const QKeySequence &keys : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &frmDesign::openMenu);
}

void frmDesign::openMenu()
{
    // A text box keeps its own menu (cut, copy, paste); elsewhere the keys
    // open the picture's, beside the current field or in the middle.
    QWidget *focused = QApplication::focusWidget();
    if (auto *box = qobject_cast<QLineEdit *>(focused)) {
        const QPoint middle = box->rect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, middle, box->mapToGlobal(middle));
        QCoreApplication::sendEvent(box, &menu);
        return;
    }
    const DesignLabels::Field *field = m_labels->current();
    const QWidget *near = field && focused == field->label ? static_cast<QWidget *>(field->label) : this;
    Backdrop->showMenu(near->mapToGlobal(near->rect().center()));
}

void frmDesign::closeEvent(QCloseEvent *event)
{
    record();
    if (m_history.isSaved())
        return QDialog::closeEvent(event);
    const auto answer = m_messages.ask({QStringLiteral("Salvare le modifiche alla calibrazione ") + m_bankName
                                            + QStringLiteral(" prima di chiudere?"),
                                        QStringLiteral("ATTENZIONE"), MessageBoxes::Icon::Question,
                                        MessageBoxes::Buttons::YesNoCancel, MessageBoxes::Answer::Yes});
    if (answer == MessageBoxes::Answer::Yes && OriginBoxes::readable(*SXmargin, *DXmargin, m_messages) && save()) {
        Backdrop->waitForKept(); // the picture's copy, written beside the window
        if (m_history.isSaved())
            return QDialog::closeEvent(event);
    }
    if (answer == MessageBoxes::Answer::No)
        return QDialog::closeEvent(event);
    event->ignore();
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
    record();
    const QStringList lines = LayoutFile::lines(QString(), SXmargin->text(), DXmargin->text(), positions(), QString());
    if (TextFile::writeLines(fileName, lines, &error)) {
        // The picture goes with the positions: until its copy is on the
        // disk the window counts as unsaved, and stays so if it fails.
        const DesignState state = m_history.present();
        const bool pictureChanged = state.picture.cacheKey() != m_history.saved().picture.cacheKey();
        if (!pictureChanged && state.alignment == m_history.saved().alignment) {
            m_history.markSaved();
            return true;
        }
        Backdrop->keep(pictureChanged, [this, state](bool kept) {
            if (kept)
                m_history.markSaved(state);
        });
        return true;
    }
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
    if (answer != MessageBoxes::Answer::Yes)
        return;
    // Back to what the files hold, as one more change that can be undone.
    InitPositions();
    Backdrop->show(m_history.saved().picture, m_history.saved().alignment);
    record();
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
