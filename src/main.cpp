#include "app/Program.h"
#include "app/Translations.h"
#include "brand/Brand.h"
#include "forms/Look.h"
#include "forms/MessageBoxes.h"
#include "platform/ApplicationStart.h"
#include "platform/CommandLine.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>

int main(int argc, char *argv[])
{
    if (const std::optional<int> answered = platform::answerCommandLine(argc, argv))
        return *answered;
    const auto application = platform::startApplication(argv[0]);
    // The program ends only through its farewell window.
    application->setQuitOnLastWindowClosed(false);
    // In the desktop's language where the program speaks it, else in English.
    app::useLanguage(app::languageFor(QLocale::system().uiLanguages()));
    forms::look::useProgramStyle();
    // Message boxes, too, carry the program's icon.
    QApplication::setWindowIcon(brand::programIcon());
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    platform::QtPlatform system(name);
    forms::MessageBoxes messages;
    // Left out by cmake -DSORTILO_UPDATE_REMINDER=OFF, as distributions do.
    app::Program program({system.browser, messages, system.settings, system.clock, system.random,
                          system.instanceLock, system.processExit, system.clipboard},
                         SORTILO_UPDATE_REMINDER ? app::UpdateReminder::On
                                                 : app::UpdateReminder::Off);
    program.start();
    return application->exec();
}
