#include "modFortunrCookies.h"

#include "platform/Platform.h"

#include <QCoreApplication>

#include <cmath>

namespace reading::modFortunrCookies {

namespace {

constexpr int StickCount = 78;

// The sentences as written, each with its stick number; they are shown in the
// user's language.
// clang-format off
constexpr const char *SourceFortunes[StickCount + 1] = {
    "",
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will hear some good news soon."), // 1
    QT_TRANSLATE_NOOP("modFortunrCookies", "A long travel is written in the books which may turn out to be beneficial."), // 2
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will hear some important news."), // 3
    QT_TRANSLATE_NOOP("modFortunrCookies", "Be careful in spending. Things will only get worse."), // 4
    QT_TRANSLATE_NOOP("modFortunrCookies", "Luck will help you take risks and gamble."), // 5
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will achieve what you desire."), // 6
    QT_TRANSLATE_NOOP("modFortunrCookies", "You may relocate in the coming year."), // 7
    QT_TRANSLATE_NOOP("modFortunrCookies", "Someone may be jealous of you."), // 8
    QT_TRANSLATE_NOOP("modFortunrCookies", "Temptation will get the better of you."), // 9
    QT_TRANSLATE_NOOP("modFortunrCookies", "Be ready for a lot of changes to happen."), // 10
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will lose a friend."), // 11
    QT_TRANSLATE_NOOP("modFortunrCookies", "Do not get into arguments about trivial matters."), // 12
    QT_TRANSLATE_NOOP("modFortunrCookies", "A male friend of yours may break relations with you."), // 13
    QT_TRANSLATE_NOOP("modFortunrCookies", "If you work hard you will receive great rewards."), // 14
    QT_TRANSLATE_NOOP("modFortunrCookies", "Expenses are bound to occur, but it will be for the best."), // 15
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will go on a sudden journey with a compatible friend."), // 16
    QT_TRANSLATE_NOOP("modFortunrCookies", "A trustworthy person may break your trust in him/her."), // 17
    QT_TRANSLATE_NOOP("modFortunrCookies", "Someone new will enter your life and bring you rewards and pleasure."), // 18
    QT_TRANSLATE_NOOP("modFortunrCookies", "Your friend will give you some bad news."), // 19
    QT_TRANSLATE_NOOP("modFortunrCookies", "Remember to trust yourself and believe in your abilities."), // 20
    QT_TRANSLATE_NOOP("modFortunrCookies", "You may receive an inheritance from a far away relative."), // 21
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will soon face an important decision that you will need to make on your own."), // 22
    QT_TRANSLATE_NOOP("modFortunrCookies", "Your actions will please someone who matters to you."), // 23
    QT_TRANSLATE_NOOP("modFortunrCookies", "Try to change your bad habits before they create problems."), // 24
    QT_TRANSLATE_NOOP("modFortunrCookies", "An unknown foreigner will bring you benefits and riches."), // 25
    QT_TRANSLATE_NOOP("modFortunrCookies", "A fair woman will be the cause of your troubles."), // 26
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will experience changes every seven years."), // 27
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will receive a surprise and sleep in an unfamiliar place."), // 28
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will not marry your first love, but this will work out for the best."), // 29
    QT_TRANSLATE_NOOP("modFortunrCookies", "Someone is out for revenge for something you may not have committed."), // 30
    QT_TRANSLATE_NOOP("modFortunrCookies", "Some important news may change your lifestyle."), // 31
    QT_TRANSLATE_NOOP("modFortunrCookies", "Listen to the good advice of trusted friend."), // 32
    QT_TRANSLATE_NOOP("modFortunrCookies", "A dark woman will be the cause of your troubles."), // 33
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will receive a letter with an unusual proposal very soon."), // 34
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will soon embark on an enjoyable adventure."), // 35
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will receive unexpected financial and emotional joy."), // 36
    QT_TRANSLATE_NOOP("modFortunrCookies", "An ungrateful person will create problems for you."), // 37
    QT_TRANSLATE_NOOP("modFortunrCookies", "A good evening may turn out to have a bad outcome."), // 38
    QT_TRANSLATE_NOOP("modFortunrCookies", "You have made a promise without thinking, but it is one you are now bound to keep."), // 39
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will receive a message which will create temporary trouble for you."), // 40
    QT_TRANSLATE_NOOP("modFortunrCookies", "A jealous person around you will soon cause an argument."), // 41
    QT_TRANSLATE_NOOP("modFortunrCookies", "A position in life you have long desired will soon be yours."), // 42
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will soon receive great honors."), // 43
    QT_TRANSLATE_NOOP("modFortunrCookies", "A friend will deceive you."), // 44
    QT_TRANSLATE_NOOP("modFortunrCookies", "A person with a dark complexion is jealous of you."), // 45
    QT_TRANSLATE_NOOP("modFortunrCookies", "A friend you trust is secretly against you."), // 46
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will soon receive a large promotion."), // 47
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will soon receive a valuable package that has been delayed."), // 48
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will experience trouble because of physical violence."), // 49
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will be treated unjustly by a close relative."), // 50
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will make things difficult for yourself by acting in an extravagant manner."), // 51
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will argue about something unimportant."), // 52
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will soon make a new friend who will be of great benefit to you."), // 53
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will soon find a lost item which is of great value."), // 54
    QT_TRANSLATE_NOOP("modFortunrCookies", "Something seemingly unimportant will occur which will be to your great advantage."), // 55
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will soon find out who your real friends are."), // 56
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will settle on a plan that will prove to be advantageous to you."), // 57
    QT_TRANSLATE_NOOP("modFortunrCookies", "One of your many friends is jealous of your happiness."), // 58
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will hear something of great importance to you in the next month."), // 59
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will receive unexpected financial gain when you least expect it but most need it."), // 60
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will soon hear that a suggestion you have made has been accepted."), // 61
    QT_TRANSLATE_NOOP("modFortunrCookies", "Your rival will soon be defeated and this will do you good."), // 62
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will soon receive a pleasant surprise from a man with a fair complexion."), // 63
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will soon receive an unusual proposition from a stranger."), // 64
    QT_TRANSLATE_NOOP("modFortunrCookies", "A man with a dark complexion and a fair woman will soon annoy you."), // 65
    QT_TRANSLATE_NOOP("modFortunrCookies", "Keep a secret you have for at least a month."), // 66
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will soon have to choose between two friends, and in the process make an enemy."), // 67
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will soon receive some good news."), // 68
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will soon receive news that will benefit you."), // 69
    QT_TRANSLATE_NOOP("modFortunrCookies", "Be careful of damage or loss by fire."), // 70
    QT_TRANSLATE_NOOP("modFortunrCookies", "Someone is taking advantage of some information that may have come from you."), // 71
    QT_TRANSLATE_NOOP("modFortunrCookies", "Your love life seems to be going wrong but will be fixed soon by a friend."), // 72
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will soon overcome your present difficulties and be happy with the result."), // 73
    QT_TRANSLATE_NOOP("modFortunrCookies", "Marriage will be financially beneficial."), // 74
    QT_TRANSLATE_NOOP("modFortunrCookies", "You will be bestowed with valuable jewelry."), // 75
    QT_TRANSLATE_NOOP("modFortunrCookies", "Something unexpected will bring you financial rewards."), // 76
    QT_TRANSLATE_NOOP("modFortunrCookies", "A friend may be jealous of you."), // 77
    QT_TRANSLATE_NOOP("modFortunrCookies", "Opportunity will knock on your doors. Do not let it go."), // 78
};
// clang-format on

} // namespace

FortuneCookies::FortuneCookies(platform::RandomSource &random)
    : m_random(random)
{}

void FortuneCookies::DrawStick()
{
    const float r = m_random.next();
    if (!(r >= 0.0f && r < 1.0f))
        return;
    // In double precision, so that the largest float below 1 still gives 78.
    m_intStickNumber = qint16(std::floor(double(r) * StickCount + 1.0));
    m_strFortuneText =
        QCoreApplication::translate("modFortunrCookies", SourceFortunes[m_intStickNumber]);
}

} // namespace reading::modFortunrCookies
