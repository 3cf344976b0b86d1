#pragma once

#include <QString>

#include <optional>

class QUrl;
class QWidget;

namespace forms {
class Messages;
}
namespace platform {
class Browser;
}

// Recommending the program to a friend: the referral form's entries are checked
// and sent to the vendor's referral page in the browser.
namespace referral::modTellAFriend {

enum class Field { Name, Email, Message, FriendName, FriendEmail };

// What a field of the form shows while it is empty, in the language the
// program speaks: a value equal to its prompt counts as missing.
QString prompt(Field field);

// Removes spaces, and only spaces, at both ends.
QString trimSpaces(QStringView text);

// The latest referral, as the user last submitted it.
struct Referral {
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
    QString address;
};

// The message that refuses the two e-mail addresses, if they are refused.
std::optional<QString> emailAddressProblem(const Referral &referral);
// The message for the first entry that is missing, if one is.
std::optional<QString> missingEntry(const Referral &referral);
// The referral page with the five entries and the product's address in its
// query, each value percent-encoded so that it comes back exactly as typed.
QUrl referralAddress(const Referral &referral);

// Checks the entries, then opens the referral page; or shows what is missing,
// or that the entries make an address too long for the browser to be given,
// in a box owned by the window that asked.
void SubmitReferral(Referral &referral, forms::Messages &messages, platform::Browser &browser,
                    QWidget *owner = nullptr);

// Shows a refusal: the error icon, a single OK, in front of its owner.
void showRefusal(forms::Messages &messages, const QString &text, QWidget *owner = nullptr);

} // namespace referral::modTellAFriend
