#include "Program.h"

#include "brand/Brand.h"
#include "forms/MessageBoxes.h"
#include "links/modHelp.h"
#include "platform/Platform.h"
#include "Services.h"
#include "SettingsCodec.h"

#include <QCoreApplication>
#include <QDate>

using namespace Qt::Literals::StringLiterals;

namespace app::modHelp {

namespace {

constexpr QStringView Section = u"Settings";
constexpr qint64 DaysBetweenReminders = 14;

void writeToday(const app::Services &services, const QString &key)
{
    const QString today = services.clock.today().toString(Qt::ISODate);
    services.settings.write(Section.toString(), key, EncodeSetting(today));
}

} // namespace

void RemindToUpdate(const app::Services &services)
{
    const QString key = EncodeSetting(u"Duration");
    const std::optional<QString> stored = services.settings.read(Section.toString(), key);
    if (!stored)
        return;
    const QString lastDate = DecodeSetting(*stored);
    if (lastDate.isEmpty()) {
        writeToday(services, key);
        return;
    }
    const QDate last = QDate::fromString(lastDate, Qt::ISODate);
    if (!last.isValid())
        return;
    const qint64 days = services.clock.today().daysTo(last);
    if (days >= -DaysBetweenReminders && days <= DaysBetweenReminders)
        return;
    // The two sentences are parted by a lone carriage return.
    const QString question =
        QCoreApplication::translate("modHelp", "There maybe an update to this software available") +
        u'\r' + QCoreApplication::translate("modHelp", "Do you want to check for an update?");
    const forms::Answer answer =
        services.messages.ask({question, brand::MessageTitle.toString(),
                               forms::Message::Icon::Information, forms::Message::Buttons::YesNo});
    // The page is opened after the write, and also when the write fails: the
    // user asked for it. The question then comes back at the next start.
    writeToday(services, key);
    if (answer == forms::Answer::Yes)
        links::modHelp::ProductDownloadPage(services.browser);
}

} // namespace app::modHelp
