#include "pictureloader.h"

#include "chequepicture.h"

#include <QPromise>
#include <QThreadPool>

#include <memory>

PictureLoader::PictureLoader(QObject *parent)
    : QObject(parent)
{
    connect(&m_watcher, &QFutureWatcherBase::finished, this, [this] {
        if (!m_reading || m_watcher.future().resultCount() == 0)
            return;
        m_reading = false;
        const Outcome outcome = m_watcher.result();
        emit finished(m_file, outcome.picture, outcome.error);
    });
}

void PictureLoader::read(const QString &file, double screenDpi)
{
    // The pool's thread outlives this object when the window closes while
    // the child still works: the promise is all they share.
    auto promise = std::make_shared<QPromise<Outcome>>();
    promise->start();
    m_file = file;
    m_reading = true;
    m_watcher.setFuture(promise->future());
    QThreadPool::globalInstance()->start([promise, file, screenDpi] {
        Outcome outcome;
        if (const auto picture = ChequePicture::read(file, &outcome.error, screenDpi))
            outcome.picture = *picture;
        promise->addResult(outcome);
        promise->finish();
    });
}

void PictureLoader::cancel()
{
    m_reading = false;
    m_watcher.setFuture(QFuture<Outcome>());
}
