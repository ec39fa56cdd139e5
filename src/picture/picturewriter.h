#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <QThreadPool>

/// Writes a bank's copy of its picture (ChequePicture::write) on a thread
/// of its own, so that encoding the PNG never stops the window; writes run
/// one after the other, in the order asked, so the last one asked is the
/// one kept. Destroying the writer waits for the writes asked: a picture
/// the user kept is never half written.
class PictureWriter : public QObject
{
    Q_OBJECT

public:
    explicit PictureWriter(QObject *parent = nullptr);
    ~PictureWriter() override;

    /// Starts writing \a picture as the PNG \a file; finished() tells.
    void write(const QString &file, const QImage &picture);
    /// A write asked whose finished() has not been told yet.
    bool isWriting() const { return m_pending > 0; }
    /// Blocks until every write asked is on the disk or failed (before the
    /// file is removed, say); finished() still comes from the event loop.
    void waitForFinished();

signals:
    /// \a error: why, in Italian ("il disco è pieno"), when not \a ok.
    void finished(const QString &file, bool ok, const QString &error);

private:
    QThreadPool m_pool;
    int m_pending = 0;
};
