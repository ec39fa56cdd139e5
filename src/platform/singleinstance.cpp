#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <cstddef>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
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
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    // The runtime folder is the user's alone; /tmp would let another user
    // take the name first.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QFile::encodeName(runtime + QStringLiteral("/Quendra-")) + hash;
    // Without one, a name of no file system; the uid in it keeps users apart
    // and the peer's credentials are checked before a knock counts.
    return QByteArray(1, '\0') + "Quendra-" + QByteArray::number(::getuid()) + '-' + hash;
}

/// False when the path is too long for a socket address; length gets the
/// address's size to hand to bind() and connect().
bool toAddress(const QByteArray &path, sockaddr_un *address, socklen_t *length)
{
    *address = {};
    address->sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof address->sun_path)
        return false;
    std::memcpy(address->sun_path, path.constData(), size_t(path.size()));
    *length = socklen_t(offsetof(sockaddr_un, sun_path) + size_t(path.size()) + (path.startsWith('\0') ? 0 : 1));
    return true;
}

bool sameUser(int peer)
{
    ucred credentials{};
    socklen_t size = sizeof credentials;
    return ::getsockopt(peer, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 && credentials.uid == ::getuid();
}

// Earlier versions kept a lock file; whatever is left of one (empty, of
// another computer, a folder, a dangling link) means nothing now.
void removeOldLockFile(const QString &dataFolder)
{
    const QByteArray path = QFile::encodeName(dataFolder + QStringLiteral("/Quendra.lock"));
    if (::unlink(path.constData()) != 0 && errno == EISDIR)
        ::rmdir(path.constData());
}

} // namespace

SingleInstance::SingleInstance(const QString &dataFolder, QObject *parent)
    : QObject(parent)
    , m_dataFolder(dataFolder)
    , m_socketPath(socketPathFor(dataFolder))
{
}

SingleInstance::~SingleInstance()
{
    if (m_listener >= 0) {
        ::close(m_listener);
        if (!m_socketPath.startsWith('\0'))
            ::unlink(m_socketPath.constData());
    }
    if (m_folder >= 0)
        ::close(m_folder);
}

bool SingleInstance::claim()
{
    if (m_folder < 0)
        m_folder = ::open(QFile::encodeName(m_dataFolder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_folder >= 0 && ::flock(m_folder, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK)
            return false;
        // A file system without locks: a copy that answers its knock is
        // the only proof that one runs.
        sockaddr_un address;
        socklen_t length;
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const bool answered = fd >= 0 && toAddress(m_socketPath, &address, &length)
            && ::connect(fd, reinterpret_cast<const sockaddr *>(&address), length) == 0;
        if (fd >= 0)
            ::close(fd);
        if (answered)
            return false;
    }
    removeOldLockFile(m_dataFolder);
    listen();
    return true;
}

void SingleInstance::listen()
{
    sockaddr_un address;
    socklen_t length;
    if (m_listener >= 0 || !toAddress(m_socketPath, &address, &length))
        return;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return;
    // Holding the folder, a socket file of its name can only be a dead copy's.
    const bool file = !m_socketPath.startsWith('\0');
    if (file)
        ::unlink(address.sun_path);
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), length) != 0
        || (file && ::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0) || ::listen(fd, 8) != 0) {
        // Without the socket the copy still runs; only the knock goes unheard.
        ::close(fd);
        return;
    }
    m_listener = fd;
    auto *notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        // The knock is the whole message; only the same user's counts.
        bool knocked = false;
        for (int peer; (peer = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
            knocked = knocked || sameUser(peer);
            ::close(peer);
        }
        if (knocked)
            Q_EMIT frontRequested();
    });
}

void SingleInstance::bringOtherToFront()
{
    sockaddr_un address;
    socklen_t length;
    if (!toAddress(m_socketPath, &address, &length))
        return;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return;
    // A local connection is made or refused at once; the listener accepts it
    // even after this end has closed.
    ::connect(fd, reinterpret_cast<const sockaddr *>(&address), length);
    ::close(fd);
}
