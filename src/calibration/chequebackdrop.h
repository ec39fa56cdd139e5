#pragma once

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
/// so it is there again at the next calibration.
class ChequeBackdrop : public QWidget
{
    Q_OBJECT

public:
    ChequeBackdrop(const QString &storedFile, MessageBoxes &messages, QWidget *window);

    /// Shows \a file behind the labels and keeps a copy of it. A file that
    /// cannot be read is told to the user and changes nothing.
    bool load(const QString &file);
    /// Takes the picture away, and its copy.
    void remove();
    bool hasPicture() const { return !m_picture.isNull(); }
    /// Where the picture lies in the window, in pixels; empty when none.
    QRectF pictureArea() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void showMenu(QPoint global);

    const QString m_storedFile;
    MessageBoxes &m_messages;
    QImage m_picture;
};
