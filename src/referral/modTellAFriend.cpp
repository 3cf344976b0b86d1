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

QString namePrompt() { return translated(QT_TRANSLATE_NOOP("modTellAFriend", "Your Name")); }

QString emailPrompt()
{
    return translated(QT_TRANSLATE_NOOP("modTellAFriend", "Your Email Address"));
}

QString messagePrompt() { return translated(QT_TRANSLATE_NOOP("modTellAFriend", "Your Message")); }

QString friendNamePrompt()
{
    return translated(QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Name"));
}

QString friendEmailPrompt()
{
    return translated(QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Email Address"));
}

QString trimSpaces(QStringView text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text[first] == u' ')
        ++first;
    while (end > first && text[end - 1] == u' ')
        --end;
    return text.sliced(first, end - first).toString();
}

std::optional<QString> EmailAddressProblem(const Referral &referral)
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

std::optional<QString> MissingEntry(const Referral &referral)
{
    struct Entry {
        const QString &value;
        QString prompt;
        const char *message;
    };
    const Entry entries[] = {
        {referral.name, namePrompt(),
         QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Name")},
        {referral.email, emailPrompt(),
         QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Email")},
        {referral.message, messagePrompt(),
         QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Message")},
        {referral.friendName, friendNamePrompt(),
         QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Friend's Name")},
        {referral.friendEmail, friendEmailPrompt(),
         QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Friend's Email")},
    };
    for (const Entry &entry : entries) {
        const QString value = trimSpaces(entry.value);
        if (value.isEmpty() || value == entry.prompt)
            return translated(entry.message);
    }
    return std::nullopt;
}

QUrl ReferralAddress(const Referral &referral)
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
        links::modHelp::PageAddress(links::modHelp::VendorSite, "/lvms-refer-a-friend.php"_L1);
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
    if (const auto missing = MissingEntry(referral)) {
        showRefusal(messages, *missing, owner);
        return;
    }
    const QUrl address = ReferralAddress(referral);
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
