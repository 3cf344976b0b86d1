#include "ApplicationStart.h"

#include "CommandLine.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

namespace platform {

QString desktopEntryId() { return u"com.velmorasoft.LVSortilo"_s; }

QByteArray windowSystemFor(const QProcessEnvironment &environment)
{
    // Qt takes an empty variable for an unset one.
    const bool wayland = !environment.value(u"WAYLAND_DISPLAY"_s).isEmpty() ||
                         environment.value(u"XDG_SESSION_TYPE"_s) == u"wayland";
    return wayland && environment.value(u"QT_QPA_PLATFORM"_s).isEmpty() ? "xcb;wayland"_ba
                                                                        : QByteArray();
}

namespace {

// What the start needs to say why no display could be opened.
struct Start {
    QString program;
    // What the user set QT_QPA_PLATFORM to, if anything.
    QString chosenPlatform;
    QtMessageHandler qtHandler = nullptr;
    std::atomic<bool> opening = false;
} start;

QString quoted(const QString &text) { return u'"' + text + u'"'; }

// The platforms Qt tries, by the names of their plugins, in order.
QStringList platformsTried()
{
    const QString chosen = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (chosen.isEmpty())
        return {u"xcb"_s};
    QStringList names;
    // A name may carry arguments after a colon.
    for (const QString &entry : chosen.split(u';', Qt::SkipEmptyParts))
        if (const QString name = entry.section(u':', 0, 0).toLower(); !name.isEmpty())
            names.append(name);
    return names;
}

// The file of the platform plugin of that name where Qt looks for it, or
// nothing. Only the plugins' descriptions are read, as Qt itself reads them.
QString platformPluginFile(const QString &name)
{
    QStringList folders;
    if (const QString own = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH"); !own.isEmpty())
        folders.append(own);
    for (const QString &path : QCoreApplication::libraryPaths())
        folders.append(path + u"/platforms"_s);
    for (const QString &folder : std::as_const(folders))
        for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files)) {
            const QJsonObject description = QPluginLoader(file.absoluteFilePath()).metaData();
            if (!description.value("IID"_L1).toString().startsWith(
                    "org.qt-project.Qt.QPA.QPlatformIntegrationFactoryInterface"_L1))
                continue;
            for (const QJsonValue &key : description.value("MetaData"_L1)["Keys"_L1].toArray())
                if (key.toString().compare(name, Qt::CaseInsensitive) == 0)
                    return file.absoluteFilePath();
        }
    return {};
}

// Which displays were tried, in the terms of the variables that name them.
QString displaysTried(const QStringList &platforms)
{
    QStringList tried;
    const auto add = [&](const char *name) {
        const QString value = qEnvironmentVariable(name);
        tried.append(QLatin1StringView(name) +
                     (value.isEmpty() ? u" is not set"_s : u" is "_s + quoted(value)));
    };
    if (platforms.contains(u"xcb"_s))
        add("DISPLAY");
    if (std::any_of(platforms.cbegin(), platforms.cend(),
                    [](const QString &name) { return name.startsWith(u"wayland"_s); }))
        add("WAYLAND_DISPLAY");
    if (tried.isEmpty())
        tried.append(u"QT_QPA_PLATFORM is "_s + quoted(start.chosenPlatform));
    return tried.join(u", "_s);
}

// Why no platform could be started: for each platform tried, its plugin is
// not installed, or cannot be loaded, or it found no display to open.
QString noDisplayReason()
{
    const QStringList platforms = platformsTried();
    if (platforms.isEmpty())
        return start.program + u": QT_QPA_PLATFORM is "_s + quoted(start.chosenPlatform) +
               u", which names no Qt platform."_s;
    const QString chosen = start.chosenPlatform.isEmpty()
                               ? QString()
                               : u" (QT_QPA_PLATFORM is "_s + quoted(start.chosenPlatform) + u')';
    QStringList loaded, reasons;
    for (const QString &name : platforms) {
        const QString file = platformPluginFile(name);
        QPluginLoader plugin(file);
        if (file.isEmpty())
            reasons.append(u"the Qt platform plugin "_s + quoted(name) + u" is not installed"_s +
                           chosen);
        else if (plugin.load())
            loaded.append(name);
        else
            reasons.append(u"the Qt platform plugin "_s + quoted(name) +
                           u" could not be loaded ("_s + plugin.errorString() + u')');
    }
    if (!loaded.isEmpty())
        reasons.prepend(u"no graphical display could be opened ("_s + displaysTried(loaded) + u')');
    return start.program + u": "_s + reasons.join(u"; "_s) + u'.';
}

// Qt ends the process with a core dump and advice to reinstall when no
// platform can open a display; the user learns what is missing instead, under
// what Qt said on the way.
[[noreturn]] void reportNoDisplay()
{
    // What Qt may say while the reason is found out would come too late.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    std::fprintf(stderr, "%s\n", printable(noDisplayReason()).toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);
}

// Passes what Qt says on as Qt would write it, with its control characters
// made harmless: a message may quote a file name or an environment variable.
void passOnHarmless(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg && start.opening)
        reportNoDisplay();
    start.qtHandler(type, context, printable(text));
}

} // namespace

std::unique_ptr<QApplication> startApplication(char *programPath)
{
    start.chosenPlatform = qEnvironmentVariable("QT_QPA_PLATFORM");
    const QByteArray windowSystem = windowSystemFor(QProcessEnvironment::systemEnvironment());
    if (!windowSystem.isEmpty())
        qputenv("QT_QPA_PLATFORM", windowSystem);
    // Qt keeps the arguments for the life of the application object.
    static char fallbackPath[] = "lv-sortilo";
    static char *arguments[] = {programPath ? programPath : fallbackPath, nullptr};
    static int argumentCount = 1;
    start.program = printableLine(programName(arguments[0]));
    start.qtHandler = qInstallMessageHandler(passOnHarmless);
    start.opening = true;
    auto application = std::make_unique<QApplication>(argumentCount, arguments);
    start.opening = false;
    // Only the program itself is steered; what it starts chooses for itself.
    if (!windowSystem.isEmpty())
        qunsetenv("QT_QPA_PLATFORM");
    QGuiApplication::setDesktopFileName(desktopEntryId());
    return application;
}

} // namespace platform
