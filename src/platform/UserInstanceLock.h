#pragma once

#include "InstanceLock.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QLockFile;

namespace platform {

// One copy per user, whatever the environment says: the holder binds an
// abstract Unix socket named after the program and the user. The kernel keeps
// such names per network namespace, admits one holder per name, and frees the
// name the moment its holder ends, however it ends.
//
// Abstract names carry no owner and no permissions: every user of the
// namespace sees them and may bind any free one. So a name found taken is
// asked who holds it (the credentials of the process listening on it); only a
// holder of this user's counts as another copy. A name that another user took
// first cannot keep the program from running: then, as where abstract sockets
// are not available at all, a lock file alone decides, as well as it can. The
// holder takes the lock file as well, so that a copy that had to fall back on
// it still finds the one that did not.
//
// The lock file lies only in a folder of the user's own that no one else may
// write to: the runtime folder, or Qt's stand-in for it where none is set,
// both of which Qt checks are the user's and closed to others. Where neither
// can be had, the socket alone decides.
class UserInstanceLock final : public InstanceLock {
public:
    // No lock file where lockPath is empty.
    UserInstanceLock(QByteArray socketName, const QString &lockPath);
    ~UserInstanceLock() override;
    UserInstanceLock(const UserInstanceLock &) = delete;
    UserInstanceLock &operator=(const UserInstanceLock &) = delete;
    bool claim() override;

    // The abstract socket's name (without the leading NUL) for this user.
    static QByteArray socketNameFor(const QString &applicationName);
    // The lock file, in the user's runtime folder; empty where there is none.
    static QString lockPathFor(const QString &applicationName);

private:
    enum class SocketClaim { Claimed, HeldByThisUser, Unusable };
    SocketClaim claimSocket();
    void releaseSocket();

    QByteArray m_socketName;
    std::unique_ptr<QLockFile> m_file;
    int m_socket = -1;
    bool m_claimed = false;
};

} // namespace platform
