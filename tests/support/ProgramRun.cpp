#include "ProgramRun.h"

#include "app/Translations.h"
#include "links/frmAbout.h"
#include "reading/frmDisplay.h"
#include "reading/frmMain.h"
#include "referral/frmNagScreen2.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDebug>
#include <QFontDatabase>

#include <memory>

using namespace std::chrono_literals;
using namespace Qt::Literals::StringLiterals;

ProgramRun::~ProgramRun()
{
    // Let windows unloaded during the test go, while the program still exists.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

namespace {

// Qt keeps the fonts it has put together for each request, with the fonts
// that draw the letters the first lacks; a font added and taken away again
// empties that store. A language then starts from fonts chosen anew, as in a
// run of the program of its own.
void forgetFontsChosen()
{
    const int added =
        QFontDatabase::addApplicationFont(u"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"_s);
    if (added >= 0)
        QFontDatabase::removeApplicationFont(added);
}

} // namespace

SpokenLanguage::SpokenLanguage(const QString &name)
{
    forgetFontsChosen();
    app::Language language = app::Language::English;
    if (name == u"zh_TW")
        language = app::Language::TraditionalChinese;
    else if (name == u"zh_HK")
        language = app::Language::HongKongChinese;
    else if (name == u"zh_CN")
        language = app::Language::SimplifiedChinese;
    else if (name != u"English")
        QTest::qFail(qPrintable(u"no language named "_s + name), __FILE__, __LINE__);
    // Qt's own translations come with qt6-translations-l10n (scripts/setup).
    if (!app::useLanguage(language))
        QTest::qFail(qPrintable(u"the translations of "_s + name + u" cannot be loaded"_s),
                     __FILE__, __LINE__);
}

SpokenLanguage::~SpokenLanguage()
{
    app::useLanguage(app::Language::English);
    forgetFontsChosen();
}

QWidget &missingControls()
{
    static QWidget *const holder = new QWidget;
    return *holder;
}

bool ShownWindows::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->isWindow())
        names.append(watched->objectName());
    return false;
}

CleanEnd::CleanEnd(ProgramRun &run)
    : m_run(run)
{
    for (forms::Form *form : forms::loadedForms()) {
        const QString name = form->objectName();
        m_unloads.insert(name, 0);
        QObject::connect(form, &forms::Form::unloaded, form, [this, name] { ++m_unloads[name]; });
    }
}

QString CleanEnd::faults() const
{
    QStringList faults;
    const QList<int> &statuses = m_run.platform.processExit.statuses;
    if (QString exits; statuses.isEmpty() || statuses.count(0) != statuses.size()) {
        QDebug(&exits) << statuses;
        faults.append(u"exit statuses: "_s + exits);
    }
    for (auto it = m_unloads.cbegin(); it != m_unloads.cend(); ++it)
        if (it.value() != 1)
            faults.append(u"%1 unloaded %2 times"_s.arg(it.key()).arg(it.value()));
    if (!m_shown.names.isEmpty())
        faults.append(u"shown on the way out: "_s + m_shown.names.join(u' '));
    if (!forms::loadedForms().isEmpty())
        faults.append(u"windows still loaded"_s);
    const QWidgetList windows = QApplication::topLevelWidgets();
    if (std::any_of(windows.begin(), windows.end(),
                    [](QWidget *window) { return window->isVisible(); }))
        faults.append(u"a window still on screen"_s);
    return faults.join(u"; "_s);
}

QWidget *ProgramRun::window(const QString &name)
{
    start();
    if (name == u"frmDisplay") {
        read(child<QAbstractButton>(&program.frmMain().load(), "picMain"));
        return program.frmDisplay().ifLoaded();
    }
    if (name == u"frmAbout") // Made as its Help menu entry makes it, not yet open.
        return new links::frmAbout(platform.browser, &program.frmMain().load());
    if (name == u"frmNagScreen2")
        return &program.frmNagScreen2().load();
    return &program.frmMain().load();
}

void ProgramRun::read(QWidget *picture, const std::function<void()> &during,
                      const std::function<void()> &start)
{
    const auto clicked = platform.clock.now;
    const auto waiting = std::make_shared<bool>(true);
    QTimer::singleShot(20, picture, [this, during, waiting] {
        if (during)
            during();
        platform.clock.now += 2999ms;
        QTimer::singleShot(20, &timers, [this, waiting] {
            platform.clock.now += 1ms;
            // A wait that goes on fails the test rather than hang it.
            QTimer::singleShot(2000, &timers, [this, waiting] {
                if (!*waiting)
                    return;
                QTest::qFail("the wait went on past three seconds", __FILE__, __LINE__);
                platform.clock.now += 1h;
            });
        });
    });
    start ? start() : QTest::mouseClick(picture, Qt::LeftButton);
    *waiting = false;
    if (program.frmDisplay().ifLoaded() && platform.clock.now - clicked < 3s)
        QTest::qFail("the results came before three seconds were up", __FILE__, __LINE__);
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
    if (!showActive(window))
        return QTest::qFail(qPrintable(u"window "_s + window->objectName() + u" not active"_s),
                            __FILE__, __LINE__);
    auto *const menu = qobject_cast<QMenu *>(entry->parent());
    if (!menu) {
        QTest::keyClick(window, keyFor(accessKey(entry->text())), Qt::AltModifier);
        return;
    }
    QTest::keyClick(window, keyFor(accessKey(menu->title())), Qt::AltModifier);
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }))
        return QTest::qFail(qPrintable(u"menu "_s + menu->objectName() + u" did not open"_s),
                            __FILE__, __LINE__);
    QTest::keyClick(menu, keyFor(accessKey(entry->text())));
}
