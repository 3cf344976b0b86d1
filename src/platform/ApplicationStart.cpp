#include "ApplicationStart.h"

#include <QApplication>
#include <QFileInfo>

#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace platform {

QString desktopEntryId() { return u"com.velmorasoft.LVSortilo"_s; }

QByteArray windowSystemFor(const QProcessEnvironment &environment)
{
    // Qt takes an empty variable for an unset one.
    const auto isSet = [&](const QString &name) { return !environment.value(name).isEmpty(); };
    if (isSet(u"QT_QPA_PLATFORM"_s))
        return {};
    const bool wayland =
        isSet(u"WAYLAND_DISPLAY"_s) || environment.value(u"XDG_SESSION_TYPE"_s) == u"wayland";
    return wayland ? QByteArrayLiteral("xcb;wayland") : QByteArray();
}

namespace {

// What Qt says while it opens the display, kept until it is known whether it
// could: then it goes where it would have gone, or under the plain message.
struct HeldMessage {
    QtMsgType type;
    std::string file, function, category;
    int line;
    QString text;
};

struct Start {
    std::mutex mutex;
    std::vector<HeldMessage> held;
    QtMessageHandler previousHandler = nullptr;
    std::string noDisplay;
};

Start &start()
{
    static Start instance;
    return instance;
}

QString formatted(const HeldMessage &message)
{
    const QMessageLogContext context(message.file.c_str(), message.line, message.function.c_str(),
                                     message.category.c_str());
    return qFormatLogMessage(message.type, context, message.text);
}

// Qt ends the process with a core dump and advice to reinstall when no
// platform can open a display; the user learns what is missing instead.
[[noreturn]] void reportNoDisplay()
{
    std::fputs(start().noDisplay.c_str(), stderr);
    for (const HeldMessage &message : start().held) {
        const QByteArray line = formatted(message).toLocal8Bit();
        std::fprintf(stderr, "  %s\n", line.constData());
    }
    std::fflush(stderr);
    std::_Exit(1);
}

void holdWhileStarting(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    std::lock_guard lock(start().mutex);
    if (type == QtFatalMsg)
        reportNoDisplay();
    start().held.push_back({type, context.file ? context.file : "",
                            context.function ? context.function : "",
                            context.category ? context.category : "", context.line, text});
}

void passOnHeldMessages()
{
    std::lock_guard lock(start().mutex);
    for (const HeldMessage &message : start().held) {
        const QMessageLogContext context(message.file.c_str(), message.line,
                                         message.function.c_str(), message.category.c_str());
        start().previousHandler(message.type, context, message.text);
    }
    start().held.clear();
}

QString quoted(const QString &text) { return u'"' + text + u'"'; }

// Which display was tried, in the terms of the variables that name it.
QString displayTried(const QProcessEnvironment &environment)
{
    const QString chosen = environment.value(u"QT_QPA_PLATFORM"_s);
    const bool x11 = chosen.isEmpty() || chosen.contains(u"xcb"_s);
    const bool wayland = chosen.contains(u"wayland"_s);
    if (!x11 && !wayland)
        return u"QT_QPA_PLATFORM is "_s + quoted(chosen);
    QStringList tried;
    for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s}) {
        if (name == u"WAYLAND_DISPLAY" && !wayland)
            continue;
        const QString value = environment.value(name);
        tried.append(name + (value.isEmpty() ? u" is not set"_s : u" is "_s + quoted(value)));
    }
    return tried.join(u", "_s);
}

} // namespace

std::unique_ptr<QApplication> startApplication(int &argc, char **argv)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QByteArray windowSystem = windowSystemFor(environment);
    if (!windowSystem.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", windowSystem);
        environment.insert(u"QT_QPA_PLATFORM"_s, QString::fromLatin1(windowSystem));
    }
    const QString program =
        argc > 0 ? QFileInfo(QString::fromLocal8Bit(argv[0])).fileName() : u"lv-sortilo"_s;
    start().noDisplay = (program + u": no graphical display could be opened ("_s +
                         displayTried(environment) + u").\n"_s)
                            .toLocal8Bit()
                            .toStdString();
    start().previousHandler = qInstallMessageHandler(holdWhileStarting);
    // Reading the system's font configuration is the longest step before a
    // window can be measured; it runs on a thread of its own while Qt opens
    // the display, and Qt finds it done.
    std::thread fontConfiguration([] { FcInit(); });
    auto application = std::make_unique<QApplication>(argc, argv);
    fontConfiguration.join();
    qInstallMessageHandler(start().previousHandler);
    passOnHeldMessages();
    // Only the program itself is steered; what it starts chooses for itself.
    if (!windowSystem.isEmpty())
        qunsetenv("QT_QPA_PLATFORM");
    QGuiApplication::setDesktopFileName(desktopEntryId());
    return application;
}

} // namespace platform
