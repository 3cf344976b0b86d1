#include "ChildProcess.h"
#include "platform/UserInstanceLock.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// A name no other test, nor a running copy of the program, is using.
QByteArray unusedSocketName()
{
    static int count = 0;
    return "tst_UserInstanceLock." + QByteArray::number(::getpid()) + '.' +
           QByteArray::number(++count);
}

// Binds the abstract socket name as the program does; -1 when it cannot.
int bindAbstract(const QByteArray &name)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + 1, name.constData(), std::size_t(name.size()));
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + std::size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr *>(&address), length) == 0)
        return fd;
    if (fd >= 0)
        ::close(fd);
    return -1;
}

// Tells processes when to go on: a byte, or the end of the pipe, which comes
// too when the writer ends, so that a waiting process never waits for ever.
struct Pipe {
    int ends[2] = {-1, -1};
    Pipe() { (void)!::pipe2(ends, O_CLOEXEC); }
    ~Pipe() { closeReadEnd(), closeWriteEnd(); }
    Q_DISABLE_COPY(Pipe)
    void closeReadEnd() { ::close(std::exchange(ends[0], -1)); }
    void closeWriteEnd() { ::close(std::exchange(ends[1], -1)); }
    void send(const QByteArray &bytes)
    {
        (void)!::write(ends[1], bytes.data(), size_t(bytes.size()));
    }
    void signal() { send("!"); }
    // True on a byte, false when the writers are gone without one.
    bool awaitSignal()
    {
        char byte;
        return ::read(ends[0], &byte, 1) == 1;
    }
    QByteArray readAll()
    {
        QByteArray all;
        char buffer[64];
        for (ssize_t got; (got = ::read(ends[0], buffer, sizeof buffer)) > 0;)
            all.append(buffer, got);
        return all;
    }
};

} // namespace

// One copy of the program per user, however the copies are started and end.
class tst_UserInstanceLock : public QObject {
    Q_OBJECT
private slots:
    void lockFileLiesOnlyInAFolderOfTheUsersOwn_data();
    void lockFileLiesOnlyInAFolderOfTheUsersOwn();
    void lockAdmitsOneCopyPerUser_data();
    void lockAdmitsOneCopyPerUser();
    void lockIsFreeAgainOnceItsHolderIsGone_data();
    void lockIsFreeAgainOnceItsHolderIsGone();
    void simultaneousClaimsAdmitOne_data();
    void simultaneousClaimsAdmitOne();
};

void tst_UserInstanceLock::lockFileLiesOnlyInAFolderOfTheUsersOwn_data()
{
    QTest::addColumn<QString>("runtime");
    QTest::addColumn<QString>("lockFolder");
    QTest::newRow("the runtime folder") << u"own"_s << u"own"_s;
    // Qt stands in a folder of the user's own, in the temporary folder.
    QTest::newRow("no runtime folder") << QString() << u"runtime-%1"_s;
    // Another user cannot have the lock file made where they can reach it.
    QTest::newRow("no runtime folder, and its stand-in made by another user")
        << u"-"_s << QString();
    // Qt either leaves it or stands in its own folder, as its version has it.
    QTest::newRow("a runtime folder of another user's") << u"other"_s << u"*"_s;
}

// Another user can neither plant the lock file nor have it made where they
// can: it lies only in a folder that is the user's and closed to others.
void tst_UserInstanceLock::lockFileLiesOnlyInAFolderOfTheUsersOwn()
{
    QFETCH(QString, runtime);
    QFETCH(QString, lockFolder);
    const bool otherUser = runtime == u"-" || runtime == u"other";
    if (otherUser && !test::ChildProcess::canBecomeNobody())
        QSKIP("a folder of another user's needs the superuser's rights to make");
    QTemporaryDir temporary;
    const QString user = qEnvironmentVariable("USER", u"root"_s);
    const auto folder = [&](const QString &name, bool ofAnotherUser) {
        const QString path = temporary.filePath(name);
        QDir().mkpath(path);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ExeOwner);
        if (ofAnotherUser && ::chown(QFile::encodeName(path).constData(), 65534, 65534) != 0)
            qWarning("could not give %s to another user", qPrintable(path));
        return path;
    };
    const QByteArray runtimeBefore = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray tmpBefore = qgetenv("TMPDIR");
    const auto restore = qScopeGuard([&] {
        qputenv("XDG_RUNTIME_DIR", runtimeBefore);
        qputenv("TMPDIR", tmpBefore);
    });
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    if (runtime == u"own" || runtime == u"other")
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder(runtime, runtime == u"other")));
    else
        qunsetenv("XDG_RUNTIME_DIR");
    if (runtime == u"-")
        folder(u"runtime-"_s + user, true);

    const QString path = platform::UserInstanceLock::lockPathFor(u"lv-sortilo"_s);
    if (lockFolder.isNull() || (lockFolder == u"*" && path.isEmpty())) {
        QCOMPARE(path, QString());
    } else {
        if (lockFolder != u"*")
            QCOMPARE(path, temporary.filePath(lockFolder.contains(u'%') ? lockFolder.arg(user)
                                                                        : lockFolder) +
                               u"/lv-sortilo.lock"_s);
        QCOMPARE(QFileInfo(path).fileName(), u"lv-sortilo.lock"_s);
        const QFileInfo info(QFileInfo(path).path());
        QCOMPARE(info.ownerId(), ::geteuid());
        QCOMPARE(info.permissions() & (QFileDevice::WriteGroup | QFileDevice::WriteOther),
                 QFileDevice::Permissions());
    }
    // The other user's socket cannot stop the copy either way.
    QVERIFY(platform::UserInstanceLock(unusedSocketName(), path).claim());
}

void tst_UserInstanceLock::lockAdmitsOneCopyPerUser_data()
{
    QTest::addColumn<QString>("secondLockFile");
    QTest::addColumn<QString>("nameTakenBy");
    QTest::newRow("same runtime folder") << u"first.lock"_s << QString();
    QTest::newRow("runtime folder elsewhere") << u"elsewhere/second.lock"_s << QString();
    QTest::newRow("runtime folder unusable") << u"missing/folder/second.lock"_s << QString();
    // Another user cannot keep the program from running by taking its name
    // first; the file lock still tells the copies apart.
    QTest::newRow("name taken by another user") << u"first.lock"_s << u"listening"_s;
    QTest::newRow("name bound by another user") << u"first.lock"_s << u"not listening"_s;
}

void tst_UserInstanceLock::lockAdmitsOneCopyPerUser()
{
    QFETCH(QString, secondLockFile);
    QFETCH(QString, nameTakenBy);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(u"elsewhere"_s));
    const QByteArray name = unusedSocketName();
    std::optional<Pipe> ready;
    std::optional<test::ChildProcess> squatter;
    if (!nameTakenBy.isEmpty()) {
        if (!test::ChildProcess::canBecomeNobody())
            QSKIP("acting as another user needs the superuser's rights");
        ready.emplace();
        squatter.emplace(test::ChildProcess::As::Nobody, [&] {
            ready->closeReadEnd();
            const int fd = bindAbstract(name);
            if (fd < 0 || (nameTakenBy == u"listening" && ::listen(fd, 1) != 0))
                return 1;
            ready->signal();
            for (;;)
                ::pause();
        });
        QVERIFY(squatter->started());
        ready->closeWriteEnd();
        QVERIFY2(ready->awaitSignal(), "the other user could not take the name");
    }
    platform::UserInstanceLock first(name, folder.filePath(u"first.lock"_s));
    platform::UserInstanceLock second(name, folder.filePath(secondLockFile));
    QVERIFY(first.claim());
    QVERIFY(first.claim());
    QVERIFY(!second.claim());
}

void tst_UserInstanceLock::lockIsFreeAgainOnceItsHolderIsGone_data()
{
    QTest::addColumn<QString>("end");
    QTest::newRow("released") << u"released"_s;
    QTest::newRow("ended without releasing") << u"ended"_s;
    QTest::newRow("killed") << u"killed"_s;
    // Such as the browser it opened a page in.
    QTest::newRow("killed, what it started runs on") << u"killed, started"_s;
}

void tst_UserInstanceLock::lockIsFreeAgainOnceItsHolderIsGone()
{
    QFETCH(QString, end);
    QTemporaryDir folder;
    const QByteArray name = unusedSocketName();
    const QString path = folder.filePath(u"lv-sortilo.lock"_s);
    if (end == u"released") {
        platform::UserInstanceLock holder(name, path);
        QVERIFY(holder.claim());
    } else {
        Pipe claimed, release;
        test::ChildProcess holder(test::ChildProcess::As::ThisUser, [&] {
            claimed.closeReadEnd();
            release.closeWriteEnd();
            platform::UserInstanceLock lock(name, path);
            if (!lock.claim())
                return 1;
            pid_t started = 0;
            if (end == u"killed, started") {
                started = ::fork();
                if (started == 0) {
                    ::execlp("sleep", "sleep", "60", nullptr);
                    ::_exit(127);
                }
            }
            claimed.send(QByteArray::number(started));
            claimed.closeWriteEnd();
            release.awaitSignal();
            ::_exit(0); // as a process ends: no destructor releases the lock
        });
        QVERIFY(holder.started());
        claimed.closeWriteEnd();
        release.closeReadEnd();
        const QByteArray said = claimed.readAll();
        QVERIFY2(!said.isEmpty(), "the holder could not claim the lock");
        const pid_t started = said.toInt();
        const auto endStarted = qScopeGuard([started] {
            if (started > 0)
                ::kill(started, SIGKILL);
        });
        QVERIFY(started >= 0);
        QVERIFY(!platform::UserInstanceLock(name, folder.filePath(u"other.lock"_s)).claim());
        if (end.startsWith(u"killed")) {
            ::kill(holder.pid(), SIGKILL);
            QCOMPARE(holder.wait(), -SIGKILL);
        } else {
            release.signal();
            QCOMPARE(holder.wait(), 0);
        }
    }
    // The lock file of a holder that did not release it stays behind, as
    // after a crash; it is no obstacle.
    QCOMPARE(QFile::exists(path), end != u"released");
    platform::UserInstanceLock next(name, path);
    QVERIFY(next.claim());
}

void tst_UserInstanceLock::simultaneousClaimsAdmitOne_data()
{
    QTest::addColumn<bool>("folderEach");
    QTest::newRow("one runtime folder") << false;
    QTest::newRow("a runtime folder each") << true;
}

void tst_UserInstanceLock::simultaneousClaimsAdmitOne()
{
    QFETCH(bool, folderEach);
    constexpr int copies = 8;
    QTemporaryDir folder;
    const QByteArray name = unusedSocketName();
    Pipe go, answers, home;
    std::vector<std::unique_ptr<test::ChildProcess>> children;
    for (int copy = 0; copy < copies; ++copy) {
        const QString path = folder.filePath(u"lv-sortilo-%1.lock"_s.arg(folderEach ? copy : 0));
        children.push_back(
            std::make_unique<test::ChildProcess>(test::ChildProcess::As::ThisUser, [&, path] {
                go.closeWriteEnd();
                answers.closeReadEnd();
                home.closeWriteEnd();
                go.awaitSignal();
                platform::UserInstanceLock lock(name, path);
                answers.send(lock.claim() ? "y" : "n");
                answers.closeWriteEnd();
                home.awaitSignal();
                return 0;
            }));
        QVERIFY(children.back()->started());
    }
    answers.closeWriteEnd();
    go.closeWriteEnd(); // all start at once
    const QByteArray said = answers.readAll();
    QCOMPARE(said.size(), copies);
    QCOMPARE(said.count('y'), 1);
    home.closeWriteEnd();
    for (const auto &child : children)
        QCOMPARE(child->wait(), 0);
}

QTEST_GUILESS_MAIN(tst_UserInstanceLock)
#include "tst_UserInstanceLock.moc"
