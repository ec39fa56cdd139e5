#include "picturewriter.h"

#include "chequepicture.h"

#include <QFutureWatcher>
#include <QPromise>

#include <memory>

namespace {

struct Written
{
    bool ok = false;
    QString error;
};

} // namespace

PictureWriter::PictureWriter(QObject *parent)
    : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
}

PictureWriter::~PictureWriter()
{
    m_pool.waitForDone();
}

void PictureWriter::write(const QString &file, const QImage &picture)
{
    auto promise = std::make_shared<QPromise<Written>>();
    promise->start();
    auto *watcher = new QFutureWatcher<Written>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, file] {
        --m_pending;
        const Written written = watcher->result();
        watcher->deleteLater();
        emit finished(file, written.ok, written.error);
    });
    watcher->setFuture(promise->future());
    ++m_pending;
    m_pool.start([promise, file, picture] {
        Written written;
        written.ok = ChequePicture::write(file, picture, &written.error);
        promise->addResult(written);
        promise->finish();
    });
}

void PictureWriter::waitForFinished()
{
    m_pool.waitForDone();
}
