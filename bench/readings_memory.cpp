// Resident memory over many readings with Back, on the program's own windows
// and real platform services (X11 through xcb, the INI settings file, the
// lock file), except for a clock that runs a hundred times fast so that the
// three-second wait before each draw lasts 30 ms.
//
//   bench_readings_memory [READINGS] [--pixmap-cache-kb KB]
//
// READINGS defaults to 50. --pixmap-cache-kb sets QPixmapCache's limit first,
// to see how much of the growth that cache holds.
//
// Each reading goes through the windows' own controls: a click on the picture,
// which waits and shows the results, then a click on Back. Between readings control
// goes back to the application's event loop, which handles pending events and
// deletes unloaded windows. Lines written:
//   reading N rss KB widgets W objects O hwm KB
// after readings 1, 5, 10, 20, ..., and the last one, then
//   growth KB      (resident memory after the last reading less after the first)

#include "app/Program.h"
#include "forms/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/QtPlatform.h"
#include "reading/frmDisplay.h"
#include "reading/frmMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPixmapCache>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Speed = 100;

// Real time, a hundred times fast; the date stays real.
class FastClock final : public platform::Clock {
public:
    explicit FastClock(const platform::Clock &real)
        : m_real(real)
    {}
    QDate today() const override { return m_real.today(); }
    std::chrono::milliseconds monotonic() const override
    {
        return m_real.monotonic() * Speed - m_start;
    }
    quint64 seedMaterial() const override { return m_real.seedMaterial(); }

private:
    const platform::Clock &m_real;
    const std::chrono::milliseconds m_start = m_real.monotonic() * Speed;
};

// A value in kB from /proc/self/status, or -1.
long statusKb(const char *field)
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLong();
    return -1;
}

long countObjects(const QObject *object)
{
    long count = 1;
    for (const QObject *child : object->children())
        count += countObjects(child);
    return count;
}

// Every QObject reachable from the application object and the top-level widgets.
long liveObjects()
{
    long count = countObjects(QCoreApplication::instance());
    for (const QWidget *window : QApplication::topLevelWidgets())
        count += countObjects(window);
    return count;
}

bool sampled(int reading, int last)
{
    return reading == 1 || reading == 5 || reading % 10 == 0 || reading == last;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    int readings = 50;
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        bool ok = false;
        if (arguments[i] == "--pixmap-cache-kb"_L1 && i + 1 < arguments.size()) {
            const int limit = arguments[++i].toInt(&ok);
            if (ok && limit >= 0)
                QPixmapCache::setCacheLimit(limit);
            else
                ok = false;
        } else {
            readings = arguments[i].toInt(&ok);
            ok = ok && readings > 0;
        }
        if (!ok) {
            std::fprintf(stderr, "usage: %s [READINGS] [--pixmap-cache-kb KB]\n", argv[0]);
            return 2;
        }
    }

    platform::QtPlatform real(u"lv-sortilo"_s);
    forms::MessageBoxes messages;
    FastClock fastClock(real.clock);
    app::Program program({real.browser, messages, real.settings, fastClock, real.random,
                          real.instanceLock, real.processExit, real.clipboard});

    // The wait sleeps until its timer fires or any other event comes; its
    // timer counts real milliseconds, so on the fast clock it needs a nudge to
    // look at the clock again. This one wakes it every millisecond.
    QTimer nudge;
    nudge.setInterval(1);
    nudge.start();

    long firstRss = -1;
    int done = 0;
    std::function<void()> next;
    const auto paintOnScreen = [](QWidget *window) {
        QElapsedTimer waited;
        waited.start();
        while (!(window->windowHandle() && window->windowHandle()->isExposed()) &&
               waited.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        window->repaint();
    };
    next = [&] {
        if (done == readings) {
            const long lastRss = statusKb("VmRSS");
            std::printf("growth %ld\n", lastRss - firstRss);
            std::fflush(stdout);
            QCoreApplication::exit(0);
            return;
        }
        reading::frmMain &main = program.frmMain().load();
        auto *const picture = main.findChild<QAbstractButton *>(u"picMain"_s);
        if (main.isHidden() || !picture || picture->isHidden()) {
            std::fprintf(stderr, "the main window is not ready for a reading\n");
            QCoreApplication::exit(1);
            return;
        }
        picture->click();
        reading::frmDisplay *const display = program.frmDisplay().ifLoaded();
        if (!display || display->isHidden()) {
            std::fprintf(stderr, "reading %d showed no results\n", done + 1);
            QCoreApplication::exit(1);
            return;
        }
        // Drawn on screen, as a user sees it: drawing is where the style's
        // caches fill.
        paintOnScreen(display);
        display->findChild<QAbstractButton *>(u"cmdOK"_s)->click();
        paintOnScreen(&main);
        ++done;
        // Back in the event loop, the unloaded results window is deleted and
        // the windows' events are handled before the sample is taken.
        QTimer::singleShot(0, [&] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
            if (sampled(done, readings)) {
                const long rss = statusKb("VmRSS");
                if (done == 1)
                    firstRss = rss;
                std::printf("reading %d rss %ld widgets %lld objects %ld hwm %ld\n", done, rss,
                            static_cast<long long>(QApplication::allWidgets().size()),
                            liveObjects(), statusKb("VmHWM"));
                std::fflush(stdout);
            }
            QTimer::singleShot(0, next);
        });
    };

    program.start();
    // Readings start once the main window is on screen and painted.
    QTimer::singleShot(500, next);
    return application.exec();
}
