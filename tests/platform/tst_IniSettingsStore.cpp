#include "ChildProcess.h"
#include "platform/IniSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <functional>

#include <fcntl.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/ptrace.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// A file of the program's, with a value of another program's beside it.
const QByteArray Written = "[Other]\nkept=1\n\n[Settings]\nkey=old\n";

// Nothing for what is not a plain file: none, a folder, a pipe.
QByteArray contents(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile())
        return {};
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

// Makes the folder a small file system of its own, in a mount namespace of
// this process's own: as root, or as an ordinary user in a user namespace of
// its own where the system allows it.
bool mountSmallDisk(const QString &folder, int kilobytes)
{
    const uid_t uid = ::geteuid();
    const gid_t gid = ::getegid();
    if (uid == 0) {
        if (::unshare(CLONE_NEWNS) != 0)
            return false;
    } else {
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return false;
        const auto map = [](const char *file, const QByteArray &line) {
            return writeFile(QString::fromLatin1(file), line);
        };
        if (!map("/proc/self/setgroups", "deny") ||
            !map("/proc/self/uid_map",
                 QByteArray::number(uid) + ' ' + QByteArray::number(uid) + " 1") ||
            !map("/proc/self/gid_map",
                 QByteArray::number(gid) + ' ' + QByteArray::number(gid) + " 1"))
            return false;
    }
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0700";
    return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0,
                   options.constData()) == 0;
}

// Fills the folder's disk until no more than `leftKilobytes` are left.
bool fillDisk(const QString &folder, int leftKilobytes)
{
    QFile filler(folder + u"/filler"_s);
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(1024, 'x');
    while (filler.write(block) == block.size()) {
    }
    return leftKilobytes == 0 || filler.resize(filler.size() - leftKilobytes * 1024);
}

// A child process runs a save step by step, and is killed at its n-th stop
// (the entry or the exit of a system call). Refused where the system lets no
// process trace its child.
enum class Stepped { Killed, Finished, Refused };

Stepped saveKilledAtStep(int step, const std::function<void()> &before,
                         const std::function<void()> &save)
{
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        before();
        if (::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0)
            ::_exit(125);
        ::raise(SIGSTOP);
        save();
        ::_exit(0);
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFSTOPPED(status))
        return Stepped::Refused;
    ::ptrace(PTRACE_SETOPTIONS, pid, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
    int signal = 0; // the SIGSTOP above is not handed on
    for (int stop = 0; stop < step; ++stop) {
        ::ptrace(PTRACE_SYSCALL, pid, nullptr, reinterpret_cast<void *>(long(signal)));
        if (::waitpid(pid, &status, 0) != pid || !WIFSTOPPED(status))
            return Stepped::Finished;
        // A signal that stopped the child, rather than a system call, is its own.
        signal = WSTOPSIG(status) == (SIGTRAP | 0x80) ? 0 : WSTOPSIG(status);
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return Stepped::Killed;
}

} // namespace

// The settings file, read and saved with QSettings: a save replaces it whole
// or leaves it as it was, byte for byte, whatever the disk, the file or a kill
// does.
class tst_IniSettingsStore : public QObject {
    Q_OBJECT
private slots:
    void storeKeepsWhatItWrites();
    void saveReplacesFileOrLeavesItAsItWas_data();
    void saveReplacesFileOrLeavesItAsItWas();
    void killedSaveLeavesOldFileOrNewOne();
};

// Under the key the update reminder keeps its date under, "Duration" encoded.
void tst_IniSettingsStore::storeKeepsWhatItWrites()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"config/lv-sortilo.ini"_s);
    const QString key = u"U\u0086\u0083r\u0085z\u0080\u007F"_s;
    // A copy of the user's, named as a save's new copy is.
    QVERIFY(QDir().mkpath(folder.filePath(u"config"_s)));
    QVERIFY(writeFile(path + u".backup"_s, Written));
    platform::IniSettingsStore store(path);
    QCOMPARE(store.read(u"Settings"_s, key), QString());
    QVERIFY(store.write(u"Settings"_s, key, u"CACG>BC>AH\u0085"_s));
    QCOMPARE(QSettings(path, QSettings::IniFormat).value(u"Settings/"_s + key).toString(),
             u"CACG>BC>AH\u0085"_s);
    QCOMPARE(platform::IniSettingsStore(path).read(u"Settings"_s, key), u"CACG>BC>AH\u0085"_s);
    // Nothing of the save is left beside the file, and the user's copy stays.
    QCOMPARE(QDir(folder.filePath(u"config"_s))
                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
             (QStringList{u"lv-sortilo.ini"_s, u"lv-sortilo.ini.backup"_s}));
}

void tst_IniSettingsStore::saveReplacesFileOrLeavesItAsItWas_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<bool>("saved");
    QTest::newRow("none") << QString() << true << true;
    QTest::newRow("no file yet") << u"no file"_s << true << true;
    QTest::newRow("empty") << u"empty"_s << true << true;
    // QSettings would save what it could read of these, and drop the rest.
    QTest::newRow("binary garbage") << u"garbage"_s << false << false;
    QTest::newRow("a line QSettings cannot read") << u"# line"_s << false << false;
    // Not a file this program wrote.
    QTest::newRow("huge") << u"huge"_s << false << false;
    QTest::newRow("a folder") << u"folder"_s << false << false;
    // Opened to be read, it would wait for a writer for ever.
    QTest::newRow("a pipe") << u"pipe"_s << false << false;
    QTest::newRow("in a folder that cannot be made") << u"no folder"_s << true << false;
    // An ordinary user's rights.
    QTest::newRow("unreadable") << u"unreadable"_s << false << false;
    QTest::newRow("read-only file") << u"read-only file"_s << true << false;
    QTest::newRow("read-only folder") << u"read-only folder"_s << true << false;
    QTest::newRow("a symlink") << u"symlink"_s << true << true;
    QTest::newRow("a symlink into a read-only folder")
        << u"symlink, read-only folder"_s << true << false;
    // A disk of its own.
    QTest::newRow("full disk") << u"full disk"_s << true << false;
    QTest::newRow("a few blocks left") << u"nearly full disk"_s << true << false;
    // A lock file beside the settings file, however it got there, neither
    // delays a save nor keeps it from happening. It holds the holder's process
    // id, program and host, a line each.
    QTest::newRow("empty lock file") << u"lock:"_s << true << true;
    QTest::newRow("lock file from another host, as on a shared home")
        << u"lock:4242\nlv-sortilo\nanother-host.example\n"_s << true << true;
    QTest::newRow("lock file of a process that runs here")
        << u"lock:this process"_s << true << true;
    // One that cannot be cleared keeps the file as it was, rather than have the
    // save wait on it.
    QTest::newRow("lock file held by a live process") << u"lock held"_s << true << false;
    QTest::newRow("unreadable lock file") << u"lock unreadable"_s << true << false;
    QTest::newRow("a folder as the lock") << u"lock folder"_s << true << false;
    QTest::newRow("a pipe as the lock") << u"lock pipe"_s << true << false;
}

// Each row runs in a child process, ended if it waits for 5 s: a save that
// waits on a lock file is ended long before the lock would go stale.
void tst_IniSettingsStore::saveReplacesFileOrLeavesItAsItWas()
{
    QFETCH(QString, fault);
    QFETCH(bool, readable);
    QFETCH(bool, saved);
    const bool ordinaryUser = fault.contains(u"read") || fault.startsWith(u"symlink");
    const bool ownDisk = fault.endsWith(u"disk");
    const int parentPid = ::getpid();
    test::ChildProcess child(
        ordinaryUser && test::ChildProcess::canBecomeNobody() ? test::ChildProcess::As::Nobody
                                                              : test::ChildProcess::As::ThisUser,
        [&] {
            ::alarm(5);
            QTemporaryDir top;
            QString folder = top.path();
            if (ownDisk && !mountSmallDisk(folder, 64))
                return 77;
            const auto unmount = qScopeGuard([&] {
                if (ownDisk)
                    ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
            });
            QString path = folder + u"/lv-sortilo.ini"_s;
            // Writable again at the end, so that the folder can go.
            const auto writable = qScopeGuard([&] {
                for (const QString &each : {folder, folder + u"/elsewhere"_s})
                    QFile::setPermissions(each, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner);
            });
            // A file of some size, as the nearly full disk needs.
            const QByteArray before =
                ownDisk ? Written + "[Padding]\npad=" + QByteArray(14 * 1024, 'p') + '\n' : Written;
            if (fault == u"folder")
                QDir().mkpath(path);
            else if (fault == u"pipe")
                ::mkfifo(QFile::encodeName(path).constData(), 0600);
            else if (fault == u"no folder") {
                writeFile(folder + u"/not-a-folder"_s, QByteArray());
                path = folder + u"/not-a-folder/lv-sortilo.ini"_s;
            } else if (fault != u"no file")
                writeFile(path, fault == u"empty" ? QByteArray()
                                : fault == u"garbage"
                                    ? QByteArray("\x00\xff\xfe[\x01=\x02\n\x80", 9)
                                : fault == u"# line" ? Written + "# a note\n"
                                : fault == u"huge"   ? QByteArray(4 * 1024 * 1024, 'x')
                                                     : before);
            if (fault.startsWith(u"symlink")) {
                const QString target = folder + u"/elsewhere"_s;
                QDir().mkpath(target);
                QFile::rename(path, target + u"/lv-sortilo.ini"_s);
                QFile::link(target + u"/lv-sortilo.ini"_s, path);
                if (fault.endsWith(u"read-only folder"))
                    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            }
            if (fault == u"unreadable")
                QFile::setPermissions(path, QFileDevice::WriteOwner);
            if (fault == u"read-only file")
                QFile::setPermissions(path, QFileDevice::ReadOwner);
            if (fault == u"read-only folder")
                QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            if (fault.startsWith(u"lock:")) {
                const QString lock = fault.mid(5);
                writeFile(path + u".lock"_s, lock == u"this process"
                                                 ? QByteArray::number(parentPid) +
                                                       "\ntst_IniSettingsStore\n" +
                                                       QSysInfo::machineHostName().toUtf8() + '\n'
                                                 : lock.toUtf8());
            }
            const QByteArray lockPath = QFile::encodeName(path + u".lock"_s);
            if (fault == u"lock held")
                ::flock(::open(lockPath.constData(), O_RDWR | O_CREAT, 0600), LOCK_EX);
            if (fault == u"lock unreadable")
                ::close(::open(lockPath.constData(), O_WRONLY | O_CREAT, 0));
            if (fault == u"lock folder")
                ::mkdir(lockPath.constData(), 0700);
            if (fault == u"lock pipe")
                ::mkfifo(lockPath.constData(), 0600);
            if (ownDisk && !fillDisk(folder, fault == u"full disk" ? 0 : 8))
                return 78;
            const QByteArray old = contents(path);

            platform::IniSettingsStore store(path);
            const std::optional<QString> value = store.read(u"Settings"_s, u"key"_s);
            const bool written = store.write(u"Settings"_s, u"key"_s, u"new"_s);

            const bool wasReadable = value.has_value();
            if (wasReadable != readable || written != saved) {
                std::printf("read %s, saved: %s\n", wasReadable ? "a value" : "nothing",
                            written ? "yes" : "no");
                return 10;
            }
            if (!saved)
                return contents(path) == old ? 0 : 20;
            QSettings file(path, QSettings::IniFormat);
            if (file.value(u"Settings/key"_s) != u"new"_s ||
                (!old.isEmpty() && file.value(u"Other/kept"_s) != u"1"_s))
                return 21;
            if (fault.startsWith(u"symlink") && !QFileInfo(path).isSymLink())
                return 22;
            return 0;
        });
    QVERIFY(child.started());
    const int status = child.wait();
    if (status == 77)
        QSKIP("this system gives no mount namespace of one's own");
    QVERIFY2(status != -SIGALRM, "the save still waited after 5 s");
    QVERIFY2(status != 78, "the disk could not be filled");
    QVERIFY2(status != 20, "the save failed and left the file changed");
    QVERIFY2(status != 21, "the saved file does not hold the new value and the other one");
    QVERIFY2(status != 22, "the symlink was replaced by a file");
    QVERIFY2(status != 10, "the store read or saved other than it should (see above)");
    QCOMPARE(status, 0);
}

// A save killed at any step leaves the old file or the new one, whole, and
// nothing beside it that the next start keeps.
void tst_IniSettingsStore::killedSaveLeavesOldFileOrNewOne()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"lv-sortilo.ini"_s);
    // The store is opened, as at start-up, before the save that is stepped.
    std::optional<platform::IniSettingsStore> store;
    const auto open = [&] {
        store.emplace(path);
        store->read(u"Settings"_s, u"key"_s);
    };
    const auto save = [&] { store->write(u"Settings"_s, u"key"_s, u"new"_s); };

    QVERIFY(writeFile(path, Written));
    QCOMPARE(saveKilledAtStep(1 << 20, open, save), Stepped::Finished);
    const QByteArray saved = contents(path);
    QVERIFY(saved.contains("key=new"));

    int steps = 0;
    for (int step = 1;; ++step) {
        QVERIFY(writeFile(path, Written));
        const Stepped stepped = saveKilledAtStep(step, open, save);
        if (stepped == Stepped::Refused)
            QSKIP("this system lets no process trace its child");
        if (stepped == Stepped::Finished)
            break;
        const QByteArray now = contents(path);
        QVERIFY2(now == Written || now == saved,
                 qPrintable(u"killed at step %1, the file holds:\n"_s.arg(step) +
                            QString::fromUtf8(now)));
        // The next start.
        platform::IniSettingsStore(path).read(u"Settings"_s, u"key"_s);
        QCOMPARE(
            QDir(folder.path())
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
            QStringList{u"lv-sortilo.ini"_s});
        steps = step;
    }
    QVERIFY2(steps > 10, "the save was stepped through too few stops to believe");
}

QTEST_GUILESS_MAIN(tst_IniSettingsStore)
#include "tst_IniSettingsStore.moc"
