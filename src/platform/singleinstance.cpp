#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

// The server's name stands for the folder; the same folder reached by
// another path is the same folder.
QString serverNameFor(const QString &dataFolder)
{
    QString path = QFileInfo(dataFolder).canonicalFilePath();
    if (path.isEmpty())
        path = QDir::cleanPath(QDir(dataFolder).absolutePath());
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("Quendra-") + QString::fromLatin1(hash.toHex().left(16));
}

} // namespace

SingleInstance::SingleInstance(const QString &dataFolder, QObject *parent)
    : QObject(parent)
    , m_lock(dataFolder + QLatin1String("/Quendra.lock"))
    , m_serverName(serverNameFor(dataFolder))
{
    // Never stale by age: only a lock whose process is gone is taken over.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::claim()
{
    if (!m_lock.tryLock(0))
        return m_lock.error() != QLockFile::LockFailedError;
    if (!m_server) {
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *socket = m_server->nextPendingConnection())
                socket->deleteLater();
            Q_EMIT frontRequested();
        });
    }
    // Holding the lock, a socket of that name can only be a dead copy's.
    QLocalServer::removeServer(m_serverName);
    m_server->listen(m_serverName);
    return true;
}

void SingleInstance::bringOtherToFront()
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (socket.waitForConnected(2000))
        socket.disconnectFromServer();
}
