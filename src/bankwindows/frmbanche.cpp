#include "frmbanche.h"

#include "bankarchive.h"
#include "folders.h"
#include "frmdesign.h"
#include "frmnewbanca.h"
#include "layoutfile.h"
#include "messageboxes.h"
#include "pictures.h"
#include "screenreader.h"
#include "textfile.h"
#include "twips.h"
#include "uclinkedlist.h"
#include "unsavednotice.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

FrmBanche::FrmBanche(const QString &dataFolder, qint32 &idBanca, QString &bankName, QString &accountNumber,
                     MessageBoxes &messages, PrintDevice &printer, QWidget *mainWindow, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
    , m_dataFolder(dataFolder)
    , m_idBanca(idBanca)
    , m_bankName(bankName)
    , m_accountNumber(accountNumber)
    , m_messages(messages)
    , m_printer(printer)
    , m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("FrmBanche"));
    setWindowTitle(QStringLiteral("BANCHE"));
    setModal(true);
    setFixedSize(Twips::toPixels(4380), Twips::toPixels(3330));

    lstbanche = new ucLinkedList(this);
    lstbanche->setObjectName(QStringLiteral("lstbanche"));
    lstbanche->setGeometry(Twips::rect(90, 90, 4200, 2580));
    lstbanche->setListProperties(QStringLiteral("Banca,170|Nr.Conto,93"));
    lstbanche->setFullRowSelect(true);
    // Only a store for the highest id: kept out of the window, so that no
    // screen reader finds it there.
    MaxID = new QLineEdit(QStringLiteral("0"));
    MaxID->setObjectName(QStringLiteral("MaxID"));
    MaxID->setGeometry(Twips::rect(1395, 2925, 555, 330));
    MaxID->hide();
    connect(this, &QObject::destroyed, [maxId = MaxID] { delete maxId; });

    auto button = [this](const char *name, const QString &toolTip, QRect geometry) {
        auto b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(toolTip);
        b->setGeometry(geometry);
        b->setAutoDefault(false);
        b->setCursor(Qt::PointingHandCursor);
        return b;
    };
    AddBAN = button("AddBAN", QStringLiteral("Aggiungi Banca all'elenco"), Twips::rect(90, 2790, 565, 465));
    AddBAN->setIcon(Pictures::addBank());
    AddBAN->setIconSize(QSize(24, 24));
    DelBAN = button("DelBAN", QStringLiteral("Cancella Banca dall'elenco"), Twips::rect(765, 2790, 565, 465));
    DelBAN->setIcon(Pictures::deleteBank());
    DelBAN->setIconSize(QSize(24, 24));
    Calibrazione = button("Calibrazione", QStringLiteral("Modifica le coordinate di stampa..."),
                          Twips::rect(1755, 2790, 1215, 465));
    Calibrazione->setText(QStringLiteral("CALIBRAZIONE"));
    // The caption must fit the button as designed, whatever the desktop's font.
    Calibrazione->setFont(Twips::font(QStringLiteral("Arial"), 8, false));
    Uscita = button("Uscita", QStringLiteral("Chiudi elenco Banche"), Twips::rect(3060, 2790, 1215, 465));
    Uscita->setText(QStringLiteral("ESCI"));
    Uscita->setFont(Calibrazione->font());

    connect(AddBAN, &QPushButton::clicked, this, &FrmBanche::addBank);
    connect(DelBAN, &QPushButton::clicked, this, &FrmBanche::deleteBank);
    connect(Calibrazione, &QPushButton::clicked, this, &FrmBanche::calibrate);
    connect(Uscita, &QPushButton::clicked, this, &FrmBanche::exit);
    load();
    ScreenReader::nameControls(*this, {{QStringLiteral("lstbanche"), QStringLiteral("Elenco delle banche")}});
}

void FrmBanche::load()
{
    int selected = 0;
    m_lines = BankArchive::fileLines(BankArchive::readBytes(BankArchive::fileName(m_dataFolder)));
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const QString &line = m_lines.at(i).text;
        if (!m_lines.at(i).holdsBank())
            continue;
        const qint32 id = BankArchive::idOf(line.left(line.indexOf(QLatin1Char('|'))));
        if (MaxID->text().toInt() < id)
            MaxID->setText(QString::number(id));
        // What the row cannot show (a TAB, control bytes) stays in the line.
        lstbanche->AddItem(TextFile::fileLine(line).replace(QLatin1Char('|'), QLatin1Char('\t')));
        m_rowLines.append(i);
        if (id == m_idBanca)
            selected = lstbanche->ListCount() - 1;
    }
    lstbanche->setListIndex(lstbanche->ListCount() > 0 ? selected : -1);
}

void FrmBanche::done(int result)
{
    if (m_changed) {
        const QString archive = BankArchive::fileName(m_dataFolder);
        QString reason;
        if (!TextFile::writeBytes(archive, BankArchive::fileBytes(m_lines), &reason)) {
            notifyUnsaved(m_messages, archive, reason);
            if (!m_failedBefore) {
                m_failedBefore = true;
                return;
            }
            const auto answer = m_messages.question(
                QStringLiteral("L'elenco delle Banche non può essere salvato. Chiudere comunque l'elenco? "
                               "Le Banche aggiunte o cancellate dalla sua apertura andranno perse."),
                MessageBoxes::Icon::Exclamation, MessageBoxes::Answer::No);
            if (answer != MessageBoxes::Answer::Yes)
                return;
            m_abandoned = true;
        }
        m_changed = false;
    }
    m_closed = true;
    QDialog::done(result);
}

void FrmBanche::addBank()
{
    const auto addRow = [this](const QString &row) {
        lstbanche->AddItem(row);
        m_lines.append(BankArchive::lineForRow(row));
        m_rowLines.append(m_lines.size() - 1);
        m_changed = true;
    };
    frmNewBanca dialog(*MaxID, m_dataFolder, addRow, m_messages, this);
    dialog.exec();
}

void FrmBanche::deleteBank()
{
    if (lstbanche->ListIndex() < 0 || lstbanche->ListCount() <= 0)
        return;
    int row = lstbanche->ListIndex();
    const QString name = lstbanche->List(row, 0).chopped(6).trimmed();
    const auto answer = m_messages.question(QStringLiteral("Si desidera realmente Cancellare «") + name
                                                + QStringLiteral("» ?"),
                                            MessageBoxes::Icon::Exclamation, MessageBoxes::Answer::No);
    if (answer != MessageBoxes::Answer::Yes)
        return;
    lstbanche->RemoveItem(row);
    const qsizetype line = m_rowLines.takeAt(row);
    m_lines.removeAt(line);
    for (qsizetype &later : m_rowLines) {
        if (later > line)
            --later;
    }
    m_changed = true;
    lstbanche->setListIndex(qMax(0, row - 1));
}

void FrmBanche::calibrate()
{
    if (lstbanche->ListIndex() < 0) {
        if (lstbanche->ListCount() > 0) {
            m_messages.notify(QStringLiteral("Occorre selezionare la Banca."), MessageBoxes::Icon::Exclamation);
        } else {
            m_messages.notify(QStringLiteral("Occorre creare una nuova Banca."), MessageBoxes::Icon::Exclamation);
            addBank();
        }
        return;
    }
    const int row = lstbanche->ListIndex();
    const QString cell = lstbanche->List(row, 0).remove(QLatin1Char('\t')).toUpper();
    const QString account = lstbanche->List(row, 1).remove(QLatin1Char('\t')).toUpper();
    accept();
    // Not saved: the list stays, and nothing is calibrated for a bank the
    // archive may not keep.
    if (!m_closed)
        return;
    if (m_abandoned) {
        if (m_mainWindow)
            m_mainWindow->show();
        return;
    }
    m_idBanca = BankArchive::idOf(cell);
    m_bankName = BankArchive::nameOf(cell);
    m_accountNumber = account;

    // A bank's first calibration starts from the default layout.
    const QString layout = LayoutFile::fileName(m_dataFolder, m_idBanca);
    QString reason;
    if (!QFileInfo::exists(Folders::findAnyCase(layout))
        && !TextFile::writeLines(layout, LayoutFile::defaultLayout(m_dataFolder), &reason))
        notifyUnsaved(m_messages, layout, reason);
    if (m_mainWindow)
        m_mainWindow->show();
    frmDesign design(m_dataFolder, m_idBanca, m_bankName, m_accountNumber, m_messages, m_printer,
                     m_mainWindow);
    design.exec();
}

void FrmBanche::exit()
{
    accept();
    if (m_closed && m_mainWindow)
        m_mainWindow->show();
}
