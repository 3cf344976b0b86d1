#pragma once

#include "app/Services.h"
#include "forms/MessageBoxes.h"
#include "platform/Platform.h"

#include <QList>
#include <QMap>
#include <QUrl>

#include <functional>

// The fortune of a stick as the table of fortunes gives it (fortunes.tsv).
QString tabledFortune(int stick);

// Stand-ins for the platform, which record what the program asks of them.
namespace fake {

class Browser final : public platform::Browser {
public:
    bool canOpen(const QUrl &address) const override
    {
        return address.toEncoded().size() <= longestAddress;
    }
    void open(const QUrl &address) override
    {
        opened.append(address);
        if (whileOpening)
            whileOpening(address);
    }
    QStringList openedAddresses() const;

    QList<QUrl> opened;
    // Runs as the page opens.
    std::function<void(const QUrl &)> whileOpening;
    // In bytes, as Linux passes one argument to a program (128 KiB, the NUL
    // that ends it included).
    qsizetype longestAddress = 128 * 1024 - 1;
};

class Messages final : public forms::Messages {
public:
    forms::Answer ask(const forms::Message &message) override;
    QStringList texts() const;

    QList<forms::Message> shown;
    // Answers to give, first to last; then Ok or No.
    QList<forms::Answer> answers;
    // Runs while the box is up, as the user would act behind it.
    std::function<void(const forms::Message &)> whileShown;
};

class SettingsStore final : public platform::SettingsStore {
public:
    std::optional<QString> read(const QString &section, const QString &key) override;
    bool write(const QString &section, const QString &key, const QString &value) override;

    QMap<QString, QString> values; // "section/key" to value
    int writes = 0;
    bool unreadable = false;
    bool unwritable = false;
};

class Clock final : public platform::Clock {
public:
    QDate today() const override { return date; }
    std::chrono::milliseconds monotonic() const override { return now; }
    quint64 seedMaterial() const override { return seed; }

    QDate date{2026, 12, 7};
    std::chrono::milliseconds now{1'000'000};
    quint64 seed = 12345;
};

// Gives the values it is told to, then 0.5 for ever.
class Random final : public platform::RandomSource {
public:
    float next() override { return values.isEmpty() ? 0.5f : values.takeFirst(); }
    void seedFromClock() override { ++seedings; }

    QList<float> values;
    int seedings = 0;
};

class InstanceLock final : public platform::InstanceLock {
public:
    bool claim() override { return !anotherCopyRuns; }
    bool anotherCopyRuns = false;
};

class ProcessExit final : public platform::ProcessExit {
public:
    void exitNow(int status) override { statuses.append(status); }
    QList<int> statuses;
};

class Clipboard final : public platform::Clipboard {
public:
    void setText(const QString &text) override { this->text = text; }
    QString text;
};

struct Platform {
    Browser browser;
    Messages messages;
    SettingsStore settings;
    Clock clock;
    Random random;
    InstanceLock instanceLock;
    ProcessExit processExit;
    Clipboard clipboard;

    app::Services services() { return services(settings); }
    // The same, with settings kept elsewhere: in a real file, say.
    app::Services services(platform::SettingsStore &store)
    {
        return {browser, messages, store, clock, random, instanceLock, processExit, clipboard};
    }
};

} // namespace fake
