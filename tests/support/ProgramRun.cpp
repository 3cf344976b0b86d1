#include "ProgramRun.h"

#include <QApplication>

using namespace std::chrono_literals;

ProgramRun::~ProgramRun()
{
    // Let windows unloaded during the test go, while the program still exists.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool anyWindowVisible()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(),
                       [](const QWidget *window) { return window->isVisible(); });
}

void ProgramRun::read(QWidget *picture, const std::function<void()> &during)
{
    QTimer::singleShot(20, picture, [this, during] {
        if (during)
            during();
        platform.clock.now += 3s;
    });
    QTest::mouseClick(picture, Qt::LeftButton);
}

namespace {

QChar accessKey(const QString &caption)
{
    const qsizetype at = caption.indexOf(u'&');
    return at >= 0 && at + 1 < caption.size() ? caption[at + 1].toLower() : QChar();
}

Qt::Key keyFor(QChar c) { return Qt::Key(c.toUpper().unicode()); }

} // namespace

void ProgramRun::choose(QWidget *window, QAction *entry)
{
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qFatal("window %s not active", qPrintable(window->objectName()));
    auto *const menu = qobject_cast<QMenu *>(entry->parent());
    if (!menu) {
        QTest::keyClick(window, keyFor(accessKey(entry->text())), Qt::AltModifier);
        return;
    }
    QTest::keyClick(window, keyFor(accessKey(menu->title())), Qt::AltModifier);
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }))
        qFatal("menu %s did not open", qPrintable(menu->objectName()));
    QTest::keyClick(menu, keyFor(accessKey(entry->text())));
}
