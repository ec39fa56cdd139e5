#pragma once

#include "pictureloader.h"
#include "picturewriter.h"

#include <QImage>
#include <QWidget>

class MessageBoxes;

/// The picture of the bank's real cheque under the calibration labels, at
/// the size the paper has: 1440 twips an inch, 15 twips a pixel. It covers
/// its window but takes no mouse: presses, drops and the context menu reach
/// the window, which for the bare area this backdrop serves: a dropped file
/// or "Carica l'immagine dell'assegno…" loads a picture, "Rimuovi
/// l'immagine" takes it away.
///
/// The picture is kept as its own PNG file beside the bank's layout file,
/// at the resolution the screen shows, so it is there again, and quickly,
/// at the next calibration. Reading and keeping run beside the window.
class ChequeBackdrop : public QWidget
{
    Q_OBJECT

public:
    ChequeBackdrop(const QString &storedFile, MessageBoxes &messages, QWidget *window);

    /// Starts reading \a file; once read it shows behind the labels and a
    /// copy of it is kept. A file that cannot be read is told to the user
    /// and changes nothing.
    void load(const QString &file);
    /// Takes the picture away, and its copy.
    void remove();
    bool hasPicture() const { return !m_picture.isNull(); }
    /// A picture still being read, or its copy still being written.
    bool isBusy() const { return m_loader.isReading() || m_writer.isWriting(); }
    /// Where the picture lies in the window, in pixels; empty when none.
    QRectF pictureArea() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void showMenu(QPoint global);
    void loaded(const QImage &picture, const QString &error);
    double screenDpi() const;

    const QString m_storedFile;
    MessageBoxes &m_messages;
    QImage m_picture;
    PictureLoader m_loader;
    PictureWriter m_writer;
    bool m_loadingStored = false;
};
