#pragma once

#include "IniSettingsStore.h"
#include "Platform.h"
#include "UserInstanceLock.h"

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <random>

// The platform services of the running program, backed by Qt and the system.
namespace platform {

// Opens an address with xdg-open, the desktop's own launcher, which hands it to
// the browser the user chose (by the desktop's own means, or $BROWSER), as its
// one argument. Nothing xdg-open or the browser prints reaches the program's
// output, for the referral page's address holds what the user typed.
class DesktopBrowser final : public Browser {
public:
    bool canOpen(const QUrl &address) const override;
    void open(const QUrl &address) override;
};

class SystemClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
    std::chrono::milliseconds monotonic() const override;
    quint64 seedMaterial() const override;
};

class ClockSeededRandom final : public RandomSource {
public:
    explicit ClockSeededRandom(const Clock &clock)
        : m_clock(clock)
    {
        seedFromClock();
    }
    float next() override;
    void seedFromClock() override;

private:
    const Clock &m_clock;
    std::mt19937 m_engine;
};

class ImmediateExit final : public ProcessExit {
public:
    void exitNow(int status) override
    {
        std::fflush(nullptr);
        std::_Exit(status);
    }
};

class SystemClipboard final : public Clipboard {
public:
    void setText(const QString &text) override;
};

// All of the above for one application name.
struct QtPlatform {
    explicit QtPlatform(const QString &applicationName)
        : settings(IniSettingsStore::pathFor(applicationName))
        , instanceLock(UserInstanceLock::socketNameFor(applicationName),
                       UserInstanceLock::lockPathFor(applicationName))
    {}

    DesktopBrowser browser;
    IniSettingsStore settings;
    SystemClock clock;
    ClockSeededRandom random{clock};
    UserInstanceLock instanceLock;
    ImmediateExit processExit;
    SystemClipboard clipboard;
};

} // namespace platform
