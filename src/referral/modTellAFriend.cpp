#include "modTellAFriend.h"

#include "brand/Brand.h"
#include "forms/MessageBoxes.h"
#include "links/modHelp.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace referral::modTellAFriend {

namespace {

QString translated(const char *text) { return QCoreApplication::translate("modTellAFriend", text); }

} // namespace

QString prompt(Field field)
{
    static const char *const prompts[] = {
        QT_TRANSLATE_NOOP("modTellAFriend", "Your Name"),
        QT_TRANSLATE_NOOP("modTellAFriend", "Your Email Address"),
        QT_TRANSLATE_NOOP("modTellAFriend", "Your Message"),
        QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Name"),
        QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Email Address"),
    };
    return translated(prompts[int(field)]);
}

QString trimSpaces(QStringView text)
{
    while (text.startsWith(u' '))
        text = text.sliced(1);
    while (text.endsWith(u' '))
        text.chop(1);
    return text.toString();
}

std::optional<QString> emailAddressProblem(const Referral &referral)
{
    if (referral.email == referral.friendEmail)
        return translated(
            QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Distinct Email Addresses"));
    const auto looksLikeAddress = [](const QString &address) {
        return address.contains(u'@') && address.contains(u'.');
    };
    if (!looksLikeAddress(referral.email) || !looksLikeAddress(referral.friendEmail))
        return translated(QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Proper Email Address"));
    return std::nullopt;
}

std::optional<QString> missingEntry(const Referral &referral)
{
    struct Entry {
        const QString &value;
        QString prompt;
        const char *message;
    };
    const Entry entries[] = {
        {referral.name, prompt(Field::Name),
         QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Name")},
        {referral.email, prompt(Field::Email),
         QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Email")},
        {referral.message, prompt(Field::Message),
         QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Message")},
        {referral.friendName, prompt(Field::FriendName),
         QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Friend's Name")},
        {referral.friendEmail, prompt(Field::FriendEmail),
         QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Friend's Email")},
    };
    for (const Entry &entry : entries) {
        const QString value = trimSpaces(entry.value);
        if (value.isEmpty() || value == entry.prompt)
            return translated(entry.message);
    }
    return std::nullopt;
}

QUrl referralAddress(const Referral &referral)
{
    const QString productAddress = QString(links::modHelp::ProductSite) + u'/';
    const std::pair<const char *, const QString &> values[] = {
        {"taf1", referral.name},       {"taf2", referral.email},       {"taf3", referral.message},
        {"taf4", referral.friendName}, {"taf5", referral.friendEmail}, {"taf6", productAddress},
    };
    QByteArray query;
    for (const auto &[key, value] : values) {
        if (!query.isEmpty())
            query += '&';
        query += key;
        query += '=';
        query += QUrl::toPercentEncoding(value);
    }
    QUrl address =
        links::modHelp::pageAddress(links::modHelp::VendorSite, "/lvms-refer-a-friend.php"_L1);
    address.setQuery(QString::fromLatin1(query), QUrl::StrictMode);
    return address;
}

void showRefusal(forms::Messages &messages, const QString &text, QWidget *owner)
{
    messages.ask({text, brand::MessageTitle.toString(), forms::Message::Icon::Error,
                  forms::Message::Buttons::Ok, owner});
}

void SubmitReferral(Referral &referral, forms::Messages &messages, platform::Browser &browser,
                    QWidget *owner)
{
    if (const auto missing = missingEntry(referral)) {
        showRefusal(messages, *missing, owner);
        return;
    }
    const QUrl address = referralAddress(referral);
    // Told now, rather than sent nowhere without a word.
    if (!browser.canOpen(address)) {
        showRefusal(
            messages,
            translated(QT_TRANSLATE_NOOP(
                "modTellAFriend", "Your Entries Are Too Long To Send. Please Shorten Them.")),
            owner);
        return;
    }
    referral.address = QString::fromLatin1(address.toEncoded());
    links::modHelp::OpenWebPage(browser, address);
}

} // namespace referral::modTellAFriend
