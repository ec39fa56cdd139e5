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

    connect(&m_loader, &PictureLoader::finished, this,
            [this](const QString &, const QImage &picture, const QString &error) { loaded(picture, error); });
    connect(&m_writer, &PictureWriter::finished, this, [this](const QString &file, bool ok, const QString &error) {
        // The picture serves this calibration even when it cannot be kept.
        if (!ok)
            m_messages.notify(QStringLiteral("L'immagine è mostrata, ma non può essere conservata nel file ")
                                  + QDir::toNativeSeparators(file) + QStringLiteral(": ") + error
                                  + QStringLiteral(". Alla prossima calibrazione andrà caricata di nuovo."),
                              MessageBoxes::Icon::Exclamation);
    });
    // A folder copied from Windows may hold it as "QUENDRA7.PNG".
    if (const QString stored = Folders::findAnyCase(m_storedFile); QFile::exists(stored)) {
        m_loadingStored = true;
        m_loader.read(stored, screenDpi());
    }
}

double ChequeBackdrop::screenDpi() const
{
    return PictureScale::ScreenDpi * devicePixelRatioF();
}

void ChequeBackdrop::load(const QString &file)
{
    m_loadingStored = false;
    m_loader.read(file, screenDpi());
}

void ChequeBackdrop::loaded(const QImage &picture, const QString &error)
{
    if (picture.isNull()) {
        m_messages.notify(m_loadingStored ? QStringLiteral("L'immagine dell'assegno salvata per questa banca non "
                                                           "può essere mostrata. ")
                                                + error
                                          : error,
                          MessageBoxes::Icon::Exclamation);
        return;
    }
    m_picture = picture;
    update();
    if (!m_loadingStored)
        m_writer.write(m_storedFile, m_picture);
}

void ChequeBackdrop::remove()
{
    // A copy still being written would come back after the removal.
    m_loader.cancel();
    m_writer.waitForFinished();
    const QString stored = Folders::findAnyCase(m_storedFile);
    if (QFile::exists(stored) && !QFile::remove(stored)) {
        m_messages.notify(QStringLiteral("Impossibile eliminare il file ") + QDir::toNativeSeparators(stored)
                              + QStringLiteral(": l'immagine resta."),
                          MessageBoxes::Icon::Exclamation);
        return;
    }
    m_picture = QImage();
    update();
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
