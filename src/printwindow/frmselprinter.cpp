#include "frmselprinter.h"

#include "correctionboxes.h"
#include "printdevice.h"
#include "screenreader.h"
#include "unsavednotice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {
/// A green check mark, for styles that offer no OK icon.
QIcon drawnCheckMark()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 128, 0), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({{6, 17}, {13, 24}, {26, 8}}));
    return QIcon(pixmap);
}
} // namespace

frmSelPrinter::frmSelPrinter(PrintDevice &device, const QString &dataFolder, MessageBoxes &messages,
                             PagePreview::PageDrawer drawPage, QWidget *parent)
    : frmSelPrinter(device, dataFolder, messages, parent)
{
    m_drawPage = std::move(drawPage);
    auto *button = new QPushButton(QStringLiteral("Ante&prima"), this);
    button->setObjectName(QStringLiteral("Anteprima"));
    button->setAutoDefault(false);
    button->setMinimumSize(m_ok->minimumSize());
    // Left of OK, so the row still ends with OK and Annulla.
    m_buttons->insertWidget(1, button);
    setTabOrder(m_corrections->vertical(), button);
    setTabOrder(button, m_ok);
    connect(button, &QPushButton::clicked, this, &frmSelPrinter::preview);
}

frmSelPrinter::frmSelPrinter(PrintDevice &device, const QString &dataFolder, MessageBoxes &messages,
                             QWidget *parent)
    : QDialog(parent)
    , m_device(device)
    , m_dataFolder(dataFolder)
    , m_messages(messages)
    , m_list(new QListWidget(this))
    , m_ok(new QPushButton(this))
    , m_cancel(new QPushButton(QStringLiteral("&Annulla"), this))
    , m_corrections(new CorrectionBoxes(PrinterOffsets::load(dataFolder), this))
    , m_buttons(new QHBoxLayout)
{
    setObjectName(QStringLiteral("frmSelPrinter"));
    setWindowTitle(QStringLiteral("Selezione Stampante"));
    setModal(true);

    m_list->setObjectName(QStringLiteral("LstPrn"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_cancel->setObjectName(QStringLiteral("Annulla"));

    QIcon okIcon = style()->standardIcon(QStyle::SP_DialogOkButton, nullptr, this);
    if (okIcon.isNull())
        okIcon = drawnCheckMark();
    m_ok->setIcon(okIcon);
    m_ok->setIconSize(QSize(24, 24));
    m_ok->setAccessibleName(QStringLiteral("OK"));
    m_ok->setDefault(true);
    m_cancel->setAutoDefault(false);
    // One size for both, so the picture button does not stand out of the row.
    const QSize buttonSize = m_ok->sizeHint().expandedTo(m_cancel->sizeHint());
    m_ok->setMinimumSize(buttonSize);
    m_cancel->setMinimumSize(buttonSize);

    // An empty list with a disabled OK would leave the user guessing why.
    auto *noPrinter = new QLabel(this);
    noPrinter->setText(QStringLiteral("Non è installata alcuna stampante. Aggiungerne una dalle impostazioni "
                                      "del sistema (per esempio \"Impostazioni > Stampanti\") oppure dalla "
                                      "pagina web di CUPS, http://localhost:631, poi riaprire questa finestra."));
    noPrinter->setObjectName(QStringLiteral("NessunaStampante"));
    noPrinter->setWordWrap(true);
    // So that the address can be copied into a browser.
    noPrinter->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_buttons->addStretch();
    m_buttons->addWidget(m_ok);
    m_buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(noPrinter);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_corrections);
    layout->addLayout(m_buttons);
    setTabOrder(m_list, m_corrections->horizontal());
    setTabOrder(m_corrections->horizontal(), m_corrections->vertical());
    setTabOrder(m_corrections->vertical(), m_ok);

    int count = 0;
    m_device.printerCount(count);
    for (int i = 0; i < count; ++i) {
        QString name;
        // A printer whose name cannot be read cannot be chosen by name.
        if (m_device.printerName(i, name))
            m_list->addItem(name);
    }
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    else
        m_ok->setEnabled(false);
    noPrinter->setVisible(m_list->count() == 0);
    m_corrections->setEnabled(m_list->count() > 0);
    m_corrections->showPrinter(selectedPrinter());

    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &, const QItemSelection &deselected) {
                keepOneSelected(deselected);
                m_corrections->showPrinter(selectedPrinter());
            });
    connect(m_ok, &QPushButton::clicked, this, &frmSelPrinter::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &frmSelPrinter::reject);
    // A double-click picks the printer and confirms at once, as OK would.
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] {
        if (m_ok->isEnabled())
            m_ok->click();
    });
    ScreenReader::nameControls(
        *this, {{QStringLiteral("LstPrn"), QStringLiteral("Stampanti installate")},
                {QStringLiteral("CorrezioneOrizzontale"),
                 QStringLiteral("Correzione orizzontale della stampante scelta, in millimetri, positiva verso destra")},
                {QStringLiteral("CorrezioneVerticale"),
                 QStringLiteral("Correzione verticale della stampante scelta, in millimetri, positiva verso il basso")}});
}

void frmSelPrinter::done(int result)
{
    // Esc and the close box come here as reject(), like Annulla.
    m_printCancelled = result != Accepted;
    QDialog::done(result);
}

void frmSelPrinter::keepOneSelected(const QItemSelection &deselected)
{
    // A click on the blank part of the list, Ctrl+Space or Ctrl+click takes
    // the highlight away, and OK would then print on the system's default
    // queue instead of the printer the user last saw highlighted.
    if (!m_list->selectionModel()->hasSelection() && !deselected.isEmpty())
        m_list->selectionModel()->select(deselected.indexes().constFirst(), QItemSelectionModel::Select);
}

QString frmSelPrinter::selectedPrinter() const
{
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void frmSelPrinter::confirm()
{
    if (!m_corrections->readable(m_messages))
        return;
    // Kept open on a failed save, with what was typed, so that nothing is
    // printed with a correction the next print would not have.
    QString reason;
    if (m_corrections->changed() && !m_corrections->offsets().save(m_dataFolder, &reason)) {
        notifyUnsaved(m_messages, PrinterOffsets::fileName(m_dataFolder), reason);
        return;
    }
    const QString chosen = selectedPrinter();
    int count = 0;
    m_device.printerCount(count);
    for (int i = 0; i < count; ++i) {
        QString name;
        // Duplicate names are possible; the first one wins.
        if (m_device.printerName(i, name) && name == chosen) {
            if (m_device.makeCurrent(i)) {
                const QPointF offset = m_corrections->shown().millimetres();
                m_device.setOffset(float(offset.x()), float(offset.y()));
            }
            break;
        }
    }
    accept();
}

void frmSelPrinter::preview()
{
    if (!m_corrections->readable(m_messages))
        return;
    // The preview's device gets the correction as OK would give it the
    // printer's, so the page shows where the paper will have it.
    const QPointF offset = m_corrections->shown().millimetres();
    PagePreview page(
        selectedPrinter(),
        [draw = m_drawPage, offset](PrintDevice &device) {
            device.setOffset(float(offset.x()), float(offset.y()));
            return draw(device);
        },
        this);
    page.exec();
}
