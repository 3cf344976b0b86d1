#include "UserInstanceLock.h"

#include <QCryptographicHash>
#include <QFile>
#include <QLockFile>
#include <QScopeGuard>
#include <QStandardPaths>

#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstring>
#include <thread>
#include <utility>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace platform {

namespace {

enum class Holder { ThisUser, SomeoneElse, NotListening, Unknown };

// Who listens on the name, as the kernel recorded it when they began to listen.
Holder holderOf(const sockaddr_un &address, socklen_t length)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return Holder::Unknown;
    const auto closeSocket = qScopeGuard([fd] { ::close(fd); });
    // The holder never takes its callers in, so after thousands of them its
    // queue is full; then the call waits a moment for room and gives up.
    const timeval patience{1, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof patience);
    int connected;
    do
        connected = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), length);
    while (connected != 0 && errno == EINTR);
    if (connected != 0)
        return errno == ECONNREFUSED ? Holder::NotListening : Holder::Unknown;
    ucred peer{};
    socklen_t size = sizeof peer;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0)
        return Holder::Unknown;
    return peer.uid == ::geteuid() ? Holder::ThisUser : Holder::SomeoneElse;
}

} // namespace

UserInstanceLock::UserInstanceLock(QByteArray socketName, const QString &lockPath)
    : m_socketName(std::move(socketName))
{
    if (!lockPath.isEmpty()) {
        m_file = std::make_unique<QLockFile>(lockPath);
        // A copy that ended without removing its lock is found out by its
        // process id, however old the lock is.
        m_file->setStaleLockTime(0);
    }
}

UserInstanceLock::~UserInstanceLock() { releaseSocket(); }

QString UserInstanceLock::lockPathFor(const QString &applicationName)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QString() : folder + u'/' + applicationName + u".lock"_s;
}

QByteArray UserInstanceLock::socketNameFor(const QString &applicationName)
{
    QByteArray program = QFile::encodeName(applicationName);
    // An abstract name holds at most 107 bytes; a program name longer than 64
    // is replaced by its digest, which still tells programs apart.
    if (program.size() > 64)
        program = QCryptographicHash::hash(program, QCryptographicHash::Sha256).toHex();
    return program + ".instance." + QByteArray::number(::geteuid());
}

bool UserInstanceLock::claim()
{
    if (m_claimed)
        return true;
    if (claimSocket() == SocketClaim::HeldByThisUser)
        return false;
    // A lock file that cannot be made or read tells nothing of another copy.
    if (m_file && !m_file->tryLock(0) && m_file->error() == QLockFile::LockFailedError) {
        releaseSocket();
        return false;
    }
    m_claimed = true;
    return true;
}

UserInstanceLock::SocketClaim UserInstanceLock::claimSocket()
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const auto size = std::size_t(m_socketName.size());
    if (size == 0 || size >= sizeof address.sun_path)
        return SocketClaim::Unusable;
    // The leading NUL puts the name in the abstract namespace.
    std::memcpy(address.sun_path + 1, m_socketName.constData(), size);
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size);
    // A copy that starts at the same moment may have bound the name and not
    // yet listen on it; one that just ended may still hold it. Either settles
    // at once, so look again a little later; a name that stays bound without
    // a listener was not bound by this program.
    constexpr int attempts = 100;
    constexpr auto pause = std::chrono::milliseconds(10);
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (attempt > 0)
            std::this_thread::sleep_for(pause);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return SocketClaim::Unusable;
        const bool bound = ::bind(fd, reinterpret_cast<const sockaddr *>(&address), length) == 0;
        if (bound && ::listen(fd, SOMAXCONN) == 0) {
            m_socket = fd;
            return SocketClaim::Claimed;
        }
        const int error = errno;
        ::close(fd);
        if (bound || error != EADDRINUSE)
            return SocketClaim::Unusable;
        if (const Holder holder = holderOf(address, length); holder != Holder::NotListening)
            return holder == Holder::ThisUser ? SocketClaim::HeldByThisUser : SocketClaim::Unusable;
    }
    return SocketClaim::Unusable;
}

void UserInstanceLock::releaseSocket()
{
    if (m_socket >= 0)
        ::close(std::exchange(m_socket, -1));
}

} // namespace platform
