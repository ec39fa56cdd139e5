#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cstring>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// A plain Unix socket rather than Qt's local sockets: those live in the
// network module, whose libraries cost every start a few milliseconds to
// load for a knock on the door.

namespace {

// The socket's name stands for the folder; the same folder reached by
// another path is the same folder.
QByteArray socketPathFor(const QString &dataFolder)
{
    QString path = QFileInfo(dataFolder).canonicalFilePath();
    if (path.isEmpty())
        path = QDir::cleanPath(QDir(dataFolder).absolutePath());
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1);
    return QFile::encodeName(QDir::tempPath() + QStringLiteral("/Quendra-")
                             + QString::fromLatin1(hash.toHex().left(16)));
}

/// False when the path is too long for a socket address.
bool toAddress(const QByteArray &path, sockaddr_un *address)
{
    *address = {};
    address->sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof address->sun_path)
        return false;
    std::memcpy(address->sun_path, path.constData(), size_t(path.size()));
    return true;
}

} // namespace

SingleInstance::SingleInstance(const QString &dataFolder, QObject *parent)
    : QObject(parent)
    , m_lock(dataFolder + QLatin1String("/Quendra.lock"))
    , m_socketPath(socketPathFor(dataFolder))
{
    // Never stale by age: only a lock whose process is gone is taken over.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    if (m_listener < 0)
        return;
    ::close(m_listener);
    ::unlink(m_socketPath.constData());
}

bool SingleInstance::claim()
{
    if (!m_lock.tryLock(0))
        return m_lock.error() != QLockFile::LockFailedError;
    listen();
    return true;
}

void SingleInstance::listen()
{
    sockaddr_un address;
    if (m_listener >= 0 || !toAddress(m_socketPath, &address))
        return;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return;
    // Holding the lock, a socket of that name can only be a dead copy's.
    ::unlink(address.sun_path);
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0
        || ::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(fd, 8) != 0) {
        // Without the socket the copy still runs; only the knock goes unheard.
        ::close(fd);
        return;
    }
    m_listener = fd;
    auto *notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        // The knock is the whole message.
        for (int peer; (peer = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;)
            ::close(peer);
        Q_EMIT frontRequested();
    });
}

void SingleInstance::bringOtherToFront()
{
    sockaddr_un address;
    if (!toAddress(m_socketPath, &address))
        return;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return;
    // A local connection is made or refused at once; the listener accepts it
    // even after this end has closed.
    ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address);
    ::close(fd);
}
