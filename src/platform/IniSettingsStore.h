#pragma once

#include "Platform.h"

#include <QString>

#include <memory>

class QSettings;

namespace platform {

// An INI file named after the application in the user's configuration folder,
// read and saved by QSettings. A save replaces the file in one rename, or
// leaves it as it was, byte for byte.
class IniSettingsStore final : public SettingsStore {
public:
    explicit IniSettingsStore(QString filePath);
    ~IniSettingsStore() override;
    Q_DISABLE_COPY(IniSettingsStore)

    std::optional<QString> read(const QString &section, const QString &key) override;
    // False when the value could not be saved. A file that QSettings could not
    // read in full is never saved over: what it could not read would be lost.
    bool write(const QString &section, const QString &key, const QString &value) override;
    const QString &filePath() const { return m_filePath; }

    // Where the store of the named application lives for this user.
    static QString pathFor(const QString &applicationName);

private:
    // The file as QSettings read it at first use, and what was written since;
    // none where the file cannot be read in full or is not one this program
    // could have written.
    QSettings *settings();

    QString m_filePath;
    std::unique_ptr<QSettings> m_settings;
    bool m_opened = false;
};

} // namespace platform
