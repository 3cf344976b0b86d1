#pragma once

#include "InstanceLock.h"

#include <QByteArray>
#include <QString>

namespace platform {

// An advisory lock on a file: the kernel drops it when its holder ends in any
// way, so a crashed copy never blocks the next one. It binds only the copies
// that agree on the file's path.
class FileInstanceLock final : public InstanceLock {
public:
    explicit FileInstanceLock(QString lockPath);
    ~FileInstanceLock() override;
    FileInstanceLock(const FileInstanceLock &) = delete;
    FileInstanceLock &operator=(const FileInstanceLock &) = delete;
    // False only when another holder has the file; a file that cannot be
    // opened or locked tells nothing and does not keep the program from running.
    bool claim() override;

    // In the user's runtime folder, named after the application and the user.
    static QString pathFor(const QString &applicationName);

private:
    QString m_lockPath;
    int m_fd = -1;
};

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
// are not available at all, the file lock alone decides, as well as it can.
// The holder takes the file lock as well, so that a copy that had to fall
// back on it still finds the one that did not.
class UserInstanceLock final : public InstanceLock {
public:
    UserInstanceLock(QByteArray socketName, QString lockPath);
    ~UserInstanceLock() override;
    UserInstanceLock(const UserInstanceLock &) = delete;
    UserInstanceLock &operator=(const UserInstanceLock &) = delete;
    bool claim() override;

    // The abstract socket's name (without the leading NUL) for this user.
    static QByteArray socketNameFor(const QString &applicationName);

private:
    enum class SocketClaim { Claimed, HeldByThisUser, Unusable };
    SocketClaim claimSocket();
    void releaseSocket();

    QByteArray m_socketName;
    FileInstanceLock m_file;
    int m_socket = -1;
    bool m_claimed = false;
};

} // namespace platform
