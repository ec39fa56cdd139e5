#pragma once

#include "picturescale.h"

#include <QFutureWatcher>
#include <QImage>
#include <QObject>
#include <QString>

/// Reads a cheque's picture (ChequePicture::read) on a thread of its own,
/// so that the window goes on answering while the decoding child works,
/// up to its 5 s, and tells the outcome on the thread that asked.
class PictureLoader : public QObject
{
    Q_OBJECT

public:
    explicit PictureLoader(QObject *parent = nullptr);

    /// Starts reading \a file at \a screenDpi (see ChequePicture::read).
    /// A read still running is forgotten: only the last one is told.
    void read(const QString &file, double screenDpi = PictureScale::ScreenDpi);
    /// Forgets the read running, if any: it is never told.
    void cancel();
    bool isReading() const { return m_reading; }

    struct Outcome
    {
        QImage picture; ///< null when the file cannot be read
        QString error;  ///< then why, in Italian, naming the file
    };

signals:
    void finished(const QString &file, const QImage &picture, const QString &error);

private:
    QFutureWatcher<Outcome> m_watcher;
    QString m_file;
    bool m_reading = false;
};
