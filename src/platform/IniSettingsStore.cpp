#include "IniSettingsStore.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStorageInfo>

using namespace Qt::Literals::StringLiterals;

namespace platform {

namespace {

// The store holds one short value: anything that is not a plain file of modest
// size was not written by this program and is left alone.
bool looksLikeOurs(const QString &filePath)
{
    constexpr qint64 largestPlausibleFile = 64 * 1024;
    const QFileInfo info(filePath);
    return !info.exists() ||
           (info.isFile() && info.isReadable() && info.size() <= largestPlausibleFile);
}

// QSettings guards a save with a lock file beside the file, and waits for one
// it finds until it goes stale: 30 s for an empty lock or one written on
// another host of a shared home folder, for ever for one whose holder runs
// here. Only one copy of the program runs per user, and it saves only from
// its one thread, so a lock found before a save belongs to no live writer of
// the program; QLockFile removes it unless a process holds it locked, as a
// live QSettings of another program saving the same file would. Anything but
// a plain file there is not a lock QLockFile made, and it would open a pipe
// and wait. Returns whether the way is clear: where a lock stays, QSettings
// would wait, so nothing is saved.
bool clearStaleLock(const QString &filePath)
{
    const QString lockPath = filePath + u".lock"_s;
    if (const QFileInfo lock(lockPath); lock.isFile() && !lock.isSymLink())
        QLockFile(lockPath).removeStaleLockFile();
    const QFileInfo left(lockPath);
    return !left.exists() && !left.isSymLink();
}

// What a save that was killed leaves beside the file: QSettings' lock, and the
// new copy that QSaveFile had not yet renamed over the file, named after it
// with a dot and six letters. QSettings takes its lock before it makes the
// copy and drops it after the copy is gone, so only a copy made since a stale
// lock was taken is a leftover; a file of the user's such as
// "lv-sortilo.ini.backup" is not.
void clearLeftovers(const QString &filePath)
{
    const QFileInfo lock(filePath + u".lock"_s);
    const QDateTime taken = lock.lastModified();
    if (!lock.isFile() || !clearStaleLock(filePath))
        return;
    const QFileInfo file(filePath);
    QDir folder = file.absoluteDir();
    for (const QFileInfo &copy : folder.entryInfoList({file.fileName() + u".??????"_s},
                                                      QDir::Files | QDir::Hidden | QDir::System))
        if (copy.lastModified() >= taken)
            folder.remove(copy.fileName());
}

// Qt before 6.8 (Debian 12 has 6.4) renames a half-written copy over the file when the disk fills
// during a save, and reports success, so there a save is begun only where the
// new file and QSettings' lock fit: the file's size, what is added, and a
// block each for the lock and for what rounding takes.
bool roomToSave([[maybe_unused]] const QString &filePath, [[maybe_unused]] qsizetype added)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    const QFileInfo file(filePath);
    constexpr qint64 block = 4096;
    // A character takes at most 12 bytes in the file, escaped.
    const qint64 needed = file.size() + 12 * added + 2 * block;
    return QStorageInfo(file.absolutePath()).bytesAvailable() >= needed;
#else
    return true;
#endif
}

} // namespace

IniSettingsStore::IniSettingsStore(QString filePath)
    : m_filePath(std::move(filePath))
{}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::pathFor(const QString &applicationName)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
           applicationName + u".ini"_s;
}

QSettings *IniSettingsStore::settings()
{
    if (m_opened)
        return m_settings.get();
    m_opened = true;
    if (!looksLikeOurs(m_filePath))
        return nullptr;
    clearLeftovers(m_filePath);
    auto settings = std::make_unique<QSettings>(m_filePath, QSettings::IniFormat);
    // QSettings reads a section when first asked for it, and only then tells of
    // a line it cannot read.
    settings->allKeys();
    if (settings->status() == QSettings::NoError)
        m_settings = std::move(settings);
    return m_settings.get();
}

std::optional<QString> IniSettingsStore::read(const QString &section, const QString &key)
{
    QSettings *const file = settings();
    if (!file)
        return std::nullopt;
    return file->value(section + u'/' + key).toString();
}

bool IniSettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    QSettings *const file = settings();
    if (!file || !looksLikeOurs(m_filePath) ||
        !QDir().mkpath(QFileInfo(m_filePath).absolutePath()) ||
        !roomToSave(m_filePath, section.size() + key.size() + value.size()) ||
        !clearStaleLock(m_filePath))
        return false;
    file->setValue(section + u'/' + key, value);
    file->sync();
    return file->status() == QSettings::NoError;
}

} // namespace platform
