#pragma once

#include <QImage>
#include <QWidget>

class MessageBoxes;

/// The picture of the bank's real cheque under the calibration labels, at
/// the size the paper has: 1440 twips an inch, 15 twips a pixel. It covers
/// its window but takes no mouse: presses, drops and the context menu reach
/// the window, which for the bare area this backdrop serves: a dropped file
/// or "Carica l'immagine dell'assegno…" loads a picture, "Rimuovi
/// l'immagine" takes it away, after asking.
///
/// The picture is kept as its own PNG file beside the bank's layout file,
/// so it is there again at the next calibration. A picture loaded or
/// removed is only shown so until the window saves: keep() writes it.
class ChequeBackdrop : public QWidget
{
    Q_OBJECT

public:
    ChequeBackdrop(const QString &storedFile, MessageBoxes &messages, QWidget *window);

    /// Shows \a file behind the labels. A file that cannot be read is told
    /// to the user and changes nothing.
    bool load(const QString &file);
    /// Asks, then takes the picture away.
    void remove();
    bool hasPicture() const { return !m_picture.isNull(); }
    const QImage &picture() const { return m_picture; }
    /// Shows \a picture, as an undo does; not a change of the user's.
    void setPicture(const QImage &picture);
    /// Writes the picture shown into its file, or removes the file when
    /// none is shown. On failure the user is told and false returned.
    bool keep();
    /// Where the picture lies in the window, in pixels; empty when none.
    QRectF pictureArea() const;
    /// The picture's menu, at \a global (screen pixels).
    void showMenu(QPoint global);

signals:
    /// The user loaded or removed a picture.
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    const QString m_storedFile;
    MessageBoxes &m_messages;
    QImage m_picture;
};
