#include "chequebackdrop.h"

#include "chequepicture.h"
#include "folders.h"
#include "labeldrag.h"
#include "messageboxes.h"
#include "picturealigndialog.h"

#include <QCoreApplication>
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

ChequeBackdrop::ChequeBackdrop(const QString &storedFile, const QString &alignmentFile, MessageBoxes &messages,
                               QWidget *window)
    : QWidget(window)
    , m_storedFile(storedFile)
    , m_alignmentFile(alignmentFile)
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
        if (!ok)
            m_messages.notify(QStringLiteral("Impossibile conservare l'immagine dell'assegno nel file ")
                                  + QDir::toNativeSeparators(file) + QStringLiteral(": ") + error
                                  + QStringLiteral(". L'immagine resta nella finestra: risolvere il problema e "
                                                   "salvare di nuovo."),
                              MessageBoxes::Icon::Critical);
        if (auto done = std::exchange(m_kept, nullptr))
            done(ok && keepAlignment());
    });
    // The kept copy is the program's own, at the screen's resolution: it is
    // read at once, so the window opens on what was saved. A folder copied
    // from Windows may hold it as "QUENDRA7.PNG".
    if (const QString stored = Folders::findAnyCase(m_storedFile); QFile::exists(stored)) {
        QString error;
        if (const auto picture = ChequePicture::read(stored, &error, screenDpi())) {
            m_picture = *picture;
            m_alignment = PictureAlignmentFile::read(Folders::findAnyCase(m_alignmentFile));
        } else {
            m_messages.notify(QStringLiteral("L'immagine dell'assegno salvata per questa banca non può essere "
                                             "mostrata. ")
                                  + error,
                              MessageBoxes::Icon::Exclamation);
        }
    }
}

double ChequeBackdrop::screenDpi() const
{
    return PictureScale::ScreenDpi * devicePixelRatioF();
}

void ChequeBackdrop::load(const QString &file)
{
    m_loader.read(file, screenDpi());
}

void ChequeBackdrop::loaded(const QImage &picture, const QString &error)
{
    if (picture.isNull()) {
        m_messages.notify(error, MessageBoxes::Icon::Exclamation);
        return;
    }
    // A new picture starts from its own corner and size.
    show(picture, PictureAlignment());
    emit changed();
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
    m_loader.cancel();
    show(QImage(), PictureAlignment());
    emit changed();
}

void ChequeBackdrop::show(const QImage &picture, const PictureAlignment &alignment)
{
    m_picture = picture;
    m_alignment = alignment;
    update();
}

void ChequeBackdrop::align(const PictureAlignment &alignment)
{
    if (alignment == m_alignment)
        return;
    show(m_picture, alignment);
    emit changed();
}

void ChequeBackdrop::keep(bool pictureChanged, std::function<void(bool kept)> done)
{
    if (hasPicture() && pictureChanged) {
        // Told from the writer's finished(), once the bytes are on the disk.
        m_kept = std::move(done);
        m_writer.write(m_storedFile, m_picture);
        return;
    }
    bool kept = true;
    if (!hasPicture()) {
        m_writer.waitForFinished(); // a copy still being written would come back
        for (const QString &file : {m_storedFile, m_alignmentFile}) {
            const QString stored = Folders::findAnyCase(file);
            if (QFile::exists(stored) && !QFile::remove(stored)) {
                m_messages.notify(QStringLiteral("Impossibile eliminare il file ")
                                      + QDir::toNativeSeparators(stored)
                                      + QStringLiteral(": l'immagine resta per la prossima calibrazione."),
                                  MessageBoxes::Icon::Critical);
                kept = false;
            }
        }
    } else {
        kept = keepAlignment();
    }
    QMetaObject::invokeMethod(this, [done, kept] { done(kept); }, Qt::QueuedConnection);
}

bool ChequeBackdrop::keepAlignment()
{
    QString error;
    if (PictureAlignmentFile::write(m_alignmentFile, m_alignment, &error))
        return true;
    m_messages.notify(QStringLiteral("Impossibile salvare l'allineamento dell'immagine nel file ")
                          + QDir::toNativeSeparators(m_alignmentFile) + QStringLiteral(": ") + error
                          + QStringLiteral(". Risolvere il problema e salvare di nuovo."),
                      MessageBoxes::Icon::Critical);
    return false;
}

void ChequeBackdrop::waitForKept()
{
    m_writer.waitForFinished();
    QCoreApplication::sendPostedEvents(&m_writer);
    QCoreApplication::sendPostedEvents(this);
}

QRectF ChequeBackdrop::pictureArea() const
{
    const QRectF twips = placePicture(m_picture, m_alignment).twips;
    return QRectF(twips.topLeft() / LabelDrag::TwipsPerPixel, twips.size() / LabelDrag::TwipsPerPixel);
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
    QAction *align = menu.addAction(QStringLiteral("Allinea l'immagine…"));
    QAction *turn = menu.addAction(QStringLiteral("Ruota di 90°"));
    QAction *remove = menu.addAction(QStringLiteral("Rimuovi l'immagine"));
    for (QAction *a : {align, turn, remove})
        a->setEnabled(hasPicture());
    QAction *chosen = menu.exec(global);
    if (chosen == remove) {
        this->remove();
    } else if (chosen == turn) {
        PictureAlignment turned = m_alignment;
        turned.turnDegrees = (turned.turnDegrees + 90) % 360;
        this->align(turned);
    } else if (chosen == align) {
        askAlignment();
    } else if (chosen == load) {
        const QString file = QFileDialog::getOpenFileName(
            parentWidget(), QStringLiteral("Immagine dell'assegno"), QString(),
            QStringLiteral("Immagini e PDF (*.png *.jpg *.jpeg *.pdf);;Tutti i file (*)"));
        if (!file.isEmpty())
            this->load(file);
    }
}

void ChequeBackdrop::askAlignment()
{
    if (const auto chosen = PictureAlignDialog::ask(m_alignment, ChequePicture::resolutionAssumed(m_picture),
                                                    parentWidget()))
        align(*chosen);
}

void ChequeBackdrop::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    const PicturePlacement placement = placePicture(m_picture, m_alignment);
    if (placement.twips.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Twips to this widget's pixels; the picture is already at the
    // screen's resolution, so the scale stays near one.
    painter.setTransform(placement.transform * QTransform::fromScale(1.0 / LabelDrag::TwipsPerPixel,
                                                                     1.0 / LabelDrag::TwipsPerPixel));
    painter.drawImage(QPointF(0, 0), m_picture);
}
