#pragma once

#include "Platform.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QLockFile;

namespace platform {

// One copy per user, whatever the environment says: the holder binds an abstract
// Unix socket named after the program and the user, which the kernel admits once
// per network namespace and frees the moment its holder ends, however it ends.
// Any user may bind a free name, so a name found taken is asked who listens on
// it: only a holder of this user's is another copy. Where another user took the
// name first, or abstract sockets are missing, a lock file decides; the holder
// takes it too. It lies only in the user's runtime folder, or Qt's stand-in for
// it, which Qt checks are the user's and closed to others; without one, the
// socket alone decides. Qt's QLocalServer binds abstract names as well, but
// would load Qt Network at every start for these few system calls.
class UserInstanceLock final : public InstanceLock {
public:
    // No lock file where lockPath is empty.
    UserInstanceLock(QByteArray socketName, const QString &lockPath);
    ~UserInstanceLock() override;
    Q_DISABLE_COPY(UserInstanceLock)
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
