#pragma once

#include <QString>

#include <optional>

namespace platform {

// The per-user store of string values, addressed by section and key under the
// application's own name. A missing key reads as the empty string.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Empty optional: the store could not be read.
    virtual std::optional<QString> read(const QString &section, const QString &key) = 0;
    // Each write is durable when this returns true.
    virtual bool write(const QString &section, const QString &key, const QString &value) = 0;
};

} // namespace platform
