#include "QtPlatform.h"

#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace platform {

namespace {

// While an address is being opened, what Qt writes to the log about it names
// the address without its query: the referral page's query holds what the
// user typed, which is theirs and not for the log. Qt names the address when
// no browser can be found or the one found cannot be started.
class QueryKeptOutOfLog {
public:
    explicit QueryKeptOutOfLog(const QUrl &address)
    {
        s_forms = QStringList{address.toString(QUrl::FullyEncoded), address.toString(),
                              address.toDisplayString()};
        s_forms.removeDuplicates();
        s_shown = address.adjusted(QUrl::RemoveQuery).toString(QUrl::FullyEncoded) +
                  (address.hasQuery() ? u"?..."_s : QString());
        s_thread = QThread::currentThread();
        s_previous = qInstallMessageHandler(&QueryKeptOutOfLog::handle);
    }

    ~QueryKeptOutOfLog()
    {
        qInstallMessageHandler(s_previous);
        s_thread = nullptr;
        s_forms.clear();
    }

    QueryKeptOutOfLog(const QueryKeptOutOfLog &) = delete;
    QueryKeptOutOfLog &operator=(const QueryKeptOutOfLog &) = delete;

private:
    // Another thread may log at any time, even before the handler that this
    // one stands in front of is known.
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        QString shown = message;
        if (QThread::currentThread() == s_thread) {
            for (const QString &form : std::as_const(s_forms))
                shown.replace(form, s_shown);
        }
        if (const QtMessageHandler previous = s_previous)
            previous(type, context, shown);
        else
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, shown)));
    }

    static inline std::atomic<QtMessageHandler> s_previous = nullptr;
    static inline std::atomic<QThread *> s_thread = nullptr;
    static inline QStringList s_forms;
    static inline QString s_shown;
};

// The longest argument the system passes to a program, in bytes: Linux takes
// at most 32 pages, the closing NUL included (MAX_ARG_STRLEN), and fails to
// start a program given a longer one.
qsizetype longestProgramArgument() { return qsizetype(sysconf(_SC_PAGESIZE)) * 32 - 1; }

} // namespace

bool DesktopBrowser::canOpen(const QUrl &address) const
{
    return address.toEncoded().size() <= longestProgramArgument();
}

void DesktopBrowser::open(const QUrl &address)
{
    if (!canOpen(address))
        return;
    const QueryKeptOutOfLog keptOut(address);
    QDesktopServices::openUrl(address);
}

IniSettingsStore::IniSettingsStore(QString filePath)
    : m_filePath(std::move(filePath))
{}

QString IniSettingsStore::pathFor(const QString &applicationName)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
           applicationName + u".ini"_s;
}

// The store holds one short value: anything that is not a plain file of modest
// size was not written by this program and is left alone.
bool IniSettingsStore::looksReadable() const
{
    constexpr qint64 largestPlausibleFile = 64 * 1024;
    const QFileInfo info(m_filePath);
    if (!info.exists())
        return true;
    return info.isFile() && info.isReadable() && info.size() <= largestPlausibleFile;
}

std::optional<QString> IniSettingsStore::read(const QString &section, const QString &key)
{
    if (!looksReadable())
        return std::nullopt;
    QSettings settings(m_filePath, QSettings::IniFormat);
    const QVariant value = settings.value(section + u'/' + key);
    if (settings.status() != QSettings::NoError)
        return std::nullopt;
    return value.toString();
}

namespace {

// A folder for the private copy of a write. QSettings flushes the copy, and
// the lock file it makes beside it, to the disk, which is wasted on a copy
// that is thrown away: the user's runtime folder, kept in memory on most
// desktops, takes those flushes at no cost. Where it cannot hold the copy,
// the system's temporary folder does.
std::unique_ptr<QTemporaryDir> scratchFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty()) {
        auto folder = std::make_unique<QTemporaryDir>(runtime + u"/settings-XXXXXX"_s);
        if (folder->isValid())
            return folder;
    }
    return std::make_unique<QTemporaryDir>();
}

} // namespace

// QSettings guards each write with a lock file beside the settings file, and
// waits until one it finds goes stale: 30 s for an empty lock, or for one
// written on another host of a shared home folder, and for ever for one whose
// holder runs here. Only one copy of the program runs per user, so no lock is
// needed: QSettings writes the new contents into a private copy of the file,
// which then replaces the file in one rename. A reader sees the old file or
// the new one, never a part of either.
bool IniSettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    if (!looksReadable())
        return false;
    const std::unique_ptr<QTemporaryDir> scratch = scratchFolder();
    if (!scratch->isValid())
        return false;
    const QString copyPath = scratch->filePath(u"settings.ini"_s);
    if (QFileInfo::exists(m_filePath) && !QFile::copy(m_filePath, copyPath))
        return false;
    {
        QSettings copy(copyPath, QSettings::IniFormat);
        if (copy.status() != QSettings::NoError)
            return false;
        copy.setValue(section + u'/' + key, value);
        copy.sync();
        if (copy.status() != QSettings::NoError)
            return false;
    }
    QFile written(copyPath);
    if (!written.open(QIODevice::ReadOnly))
        return false;
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    const QDateTime replaced = QFileInfo(m_filePath).lastModified();
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(written.readAll());
    if (!file.commit())
        return false;
    // QSettings keeps what it read of a file until the file's size or its time
    // of modification, to the millisecond, changes: a file replaced by one of
    // the same size within the same millisecond would still be read as the old
    // one. The new file is made at least a millisecond younger.
    if (replaced.isValid() && QFileInfo(m_filePath).lastModified() <= replaced) {
        QFile touched(m_filePath);
        if (touched.open(QIODevice::ReadWrite))
            touched.setFileTime(replaced.addMSecs(1), QFileDevice::FileModificationTime);
    }
    return true;
}

QDate SystemClock::today() const { return QDate::currentDate(); }

std::chrono::milliseconds SystemClock::monotonic() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

quint64 SystemClock::seedMaterial() const
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return quint64(QDateTime::currentMSecsSinceEpoch()) * 1000003u ^ quint64(ticks);
}

ClockSeededRandom::ClockSeededRandom(const Clock &clock)
    : m_clock(clock)
{
    seedFromClock();
}

float ClockSeededRandom::next()
{
    constexpr float step = 1.0f / float(1 << 24);
    return float(m_engine() >> 8) * step;
}

void ClockSeededRandom::seedFromClock()
{
    const quint64 material = m_clock.seedMaterial();
    std::seed_seq seed{quint32(material), quint32(material >> 32)};
    m_engine.seed(seed);
}

void ImmediateExit::exitNow(int status)
{
    std::fflush(nullptr);
    std::_Exit(status);
}

void SystemClipboard::setText(const QString &text) { QGuiApplication::clipboard()->setText(text); }

QtPlatform::QtPlatform(const QString &applicationName)
    : m_settings(IniSettingsStore::pathFor(applicationName))
    , m_lock(UserInstanceLock::socketNameFor(applicationName),
             FileInstanceLock::pathFor(applicationName))
{}

Services QtPlatform::services()
{
    return {m_browser, m_messages, m_settings, m_clock, m_random, m_lock, m_exit, m_clipboard};
}

} // namespace platform
