#include "chequebackdrop.h"

#include "chequepicture.h"
#include "folders.h"
#include "labeldrag.h"
#include "messageboxes.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMimeData>
#include <QPainter>

namespace {

/// The one local file a drag carries; empty for anything else.
QString droppedFile(const QMimeData *mime)
{
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1)
        return QString();
    const QUrl url = mime->urls().constFirst();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

} // namespace

ChequeBackdrop::ChequeBackdrop(const QString &storedFile, MessageBoxes &messages, QWidget *window)
    : QWidget(window)
    , m_storedFile(storedFile)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("ChequeBackdrop"));
    // Under every control, and invisible to the mouse, so the window's bare
    // area stays the bare area for the drag hint.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(window->rect());
    lower();
    window->setAcceptDrops(true);
    window->installEventFilter(this);

    // A folder copied from Windows may hold it as "QUENDRA7.PNG".
    if (const QString stored = Folders::findAnyCase(m_storedFile); QFile::exists(stored)) {
        QString error;
        if (const auto picture = ChequePicture::read(stored, &error))
            m_picture = *picture;
        else
            m_messages.notify(QStringLiteral("L'immagine dell'assegno salvata per questa banca non può essere "
                                             "mostrata. ")
                                  + error,
                              MessageBoxes::Icon::Exclamation);
    }
}

bool ChequeBackdrop::load(const QString &file)
{
    QString error;
    const auto picture = ChequePicture::read(file, &error);
    if (!picture) {
        m_messages.notify(error, MessageBoxes::Icon::Exclamation);
        return false;
    }
    setPicture(*picture);
    emit changed();
    return true;
}

void ChequeBackdrop::remove()
{
    if (!hasPicture())
        return;
    const auto answer = m_messages.question(QStringLiteral("Rimuovere l'immagine dell'assegno? Il file sarà "
                                                           "eliminato al salvataggio delle impostazioni."),
                                            MessageBoxes::Icon::Question, MessageBoxes::Answer::No);
    if (answer != MessageBoxes::Answer::Yes)
        return;
    setPicture(QImage());
    emit changed();
}

void ChequeBackdrop::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

bool ChequeBackdrop::keep()
{
    QString error;
    if (hasPicture()) {
        if (ChequePicture::write(m_storedFile, m_picture, &error))
            return true;
        m_messages.notify(QStringLiteral("Impossibile conservare l'immagine dell'assegno nel file ")
                              + QDir::toNativeSeparators(m_storedFile) + QStringLiteral(": ") + error
                              + QStringLiteral(". L'immagine resta nella finestra: risolvere il problema e "
                                               "salvare di nuovo."),
                          MessageBoxes::Icon::Critical);
        return false;
    }
    const QString stored = Folders::findAnyCase(m_storedFile);
    if (!QFile::exists(stored) || QFile::remove(stored))
        return true;
    m_messages.notify(QStringLiteral("Impossibile eliminare il file ") + QDir::toNativeSeparators(stored)
                          + QStringLiteral(": l'immagine resta per la prossima calibrazione."),
                      MessageBoxes::Icon::Critical);
    return false;
}

QRectF ChequeBackdrop::pictureArea() const
{
    const QSizeF twips = ChequePicture::sizeInTwips(m_picture);
    return QRectF(QPointF(0, 0), twips / LabelDrag::TwipsPerPixel);
}

bool ChequeBackdrop::eventFilter(QObject *watched, QEvent *event)
{
    auto *window = parentWidget();
    if (watched != window)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        if (droppedFile(drag->mimeData()).isEmpty())
            return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString file = droppedFile(drop->mimeData());
        if (file.isEmpty())
            return false;
        drop->acceptProposedAction();
        load(file);
        return true;
    }
    case QEvent::ContextMenu: {
        auto *menu = static_cast<QContextMenuEvent *>(event);
        // The controls keep their own menus, or none.
        if (window->childAt(menu->pos()))
            return false;
        showMenu(menu->globalPos());
        return true;
    }
    default:
        return false;
    }
}

void ChequeBackdrop::showMenu(QPoint global)
{
    QMenu menu(this);
    QAction *load = menu.addAction(QStringLiteral("Carica l'immagine dell'assegno…"));
    QAction *remove = menu.addAction(QStringLiteral("Rimuovi l'immagine"));
    remove->setEnabled(hasPicture());
    QAction *chosen = menu.exec(global);
    if (chosen == remove) {
        this->remove();
    } else if (chosen == load) {
        const QString file = QFileDialog::getOpenFileName(
            parentWidget(), QStringLiteral("Immagine dell'assegno"), QString(),
            QStringLiteral("Immagini e PDF (*.png *.jpg *.jpeg *.pdf);;Tutti i file (*)"));
        if (!file.isEmpty())
            this->load(file);
    }
}

void ChequeBackdrop::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Only the part the window shows is scaled: a page at 300 dpi is far
    // larger than the window.
    const QRectF area = pictureArea();
    const QRectF shown = area.intersected(QRectF(rect()));
    const QRectF source(shown.left() * m_picture.width() / area.width(), shown.top() * m_picture.height() / area.height(),
                        shown.width() * m_picture.width() / area.width(), shown.height() * m_picture.height() / area.height());
    painter.drawImage(shown, m_picture, source);
}
