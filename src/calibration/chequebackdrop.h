#pragma once

#include "picturealignment.h"
#include "pictureloader.h"
#include "picturewriter.h"

#include <QImage>
#include <QWidget>

#include <functional>

class MessageBoxes;

/// The picture of the bank's real cheque under the calibration labels, at
/// the size the paper has: 1440 twips an inch, 15 twips a pixel, moved and
/// turned as the user lined it up. It covers its window but takes no mouse:
/// presses, drops and the context menu reach the window, which for the bare
/// area this backdrop serves: a dropped file or "Carica l'immagine
/// dell'assegno…" loads a picture, "Allinea l'immagine…" and "Ruota di 90°"
/// line it up, "Rimuovi l'immagine" takes it away, after asking.
///
/// The picture is kept as its own PNG file beside the bank's layout file,
/// at the resolution the screen shows, with its alignment in a file of its
/// own, so it is there again, and quickly, at the next calibration. What
/// the user loads, lines up or removes is only shown until the window
/// saves: keep() writes it. Reading and writing run beside the window.
class ChequeBackdrop : public QWidget
{
    Q_OBJECT

public:
    ChequeBackdrop(const QString &storedFile, const QString &alignmentFile, MessageBoxes &messages,
                   QWidget *window);

    /// Starts reading \a file; once read it shows behind the labels, as a
    /// change of the user's. A file that cannot be read is told to the user
    /// and changes nothing.
    void load(const QString &file);
    /// Asks, then takes the picture away.
    void remove();
    bool hasPicture() const { return !m_picture.isNull(); }
    const QImage &picture() const { return m_picture; }
    const PictureAlignment &alignment() const { return m_alignment; }
    /// Shows \a picture lined up by \a alignment, as an undo does; not a
    /// change of the user's.
    void show(const QImage &picture, const PictureAlignment &alignment);
    /// Lines the picture up anew, as a change of the user's.
    void align(const PictureAlignment &alignment);
    /// A picture still being read, or its copy still being written.
    bool isBusy() const { return m_loader.isReading() || m_writer.isWriting(); }

    /// Writes the picture shown and its alignment into their files, or
    /// removes them when no picture is shown; \a done is told, from the
    /// event loop, whether it all reached the disk. A failure is told to
    /// the user.
    void keep(bool pictureChanged, std::function<void(bool kept)> done);
    /// Waits for a keep() still writing, so that its outcome is told.
    void waitForKept();

    /// Where the picture lies in the window, in pixels; empty when none.
    QRectF pictureArea() const;
    /// The picture's menu, at \a global (screen pixels).
    void showMenu(QPoint global);

signals:
    /// The user loaded, lined up or removed a picture.
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void loaded(const QImage &picture, const QString &error);
    void askAlignment();
    double screenDpi() const;
    bool keepAlignment();

    const QString m_storedFile;
    const QString m_alignmentFile;
    MessageBoxes &m_messages;
    QImage m_picture;
    PictureAlignment m_alignment;
    PictureLoader m_loader;
    PictureWriter m_writer;
    std::function<void(bool)> m_kept;
};
