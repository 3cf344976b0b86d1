#include "modFortunrCookies.h"

#include "platform/RandomSource.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace modFortunrCookies {

int StickFor(float r)
{
    if (!(r >= 0.0f && r < 1.0f))
        return 0;
    // In double precision, so that the largest float below 1 still gives 78.
    return int(std::floor(double(r) * StickCount + 1.0));
}

const std::array<QString, StickCount + 1> &FortuneTable()
{
    static const std::array<QString, StickCount + 1> strFortunes{
        QString(),
        u"You will hear some good news soon."_s,                                               // 1
        u"A long travel is written in the books which may turn out to be beneficial."_s,       // 2
        u"You will hear some important news."_s,                                               // 3
        u"Be careful in spending. Things will only get worse."_s,                              // 4
        u"Luck will help you take risks and gamble."_s,                                        // 5
        u"You will achieve what you desire."_s,                                                // 6
        u"You may relocate in the coming year."_s,                                             // 7
        u"Someone may be jealous of you."_s,                                                   // 8
        u"Temptation will get the better of you."_s,                                           // 9
        u"Be ready for a lot of changes to happen."_s,                                         // 10
        u"You will lose a friend."_s,                                                          // 11
        u"Do not get into arguments about trivial matters."_s,                                 // 12
        u"A male friend of yours may break relations with you."_s,                             // 13
        u"If you work hard you will receive great rewards."_s,                                 // 14
        u"Expenses are bound to occur, but it will be for the best."_s,                        // 15
        u"You will go on a sudden journey with a compatible friend."_s,                        // 16
        u"A trustworthy person may break your trust in him/her."_s,                            // 17
        u"Someone new will enter your life and bring you rewards and pleasure."_s,             // 18
        u"Your friend will give you some bad news."_s,                                         // 19
        u"Remember to trust yourself and believe in your abilities."_s,                        // 20
        u"You may receive an inheritance from a far away relative."_s,                         // 21
        u"You will soon face an important decision that you will need to make on your own."_s, // 22
        u"Your actions will please someone who matters to you."_s,                             // 23
        u"Try to change your bad habits before they create problems."_s,                       // 24
        u"An unknown foreigner will bring you benefits and riches."_s,                         // 25
        u"A fair woman will be the cause of your troubles."_s,                                 // 26
        u"You will experience changes every seven years."_s,                                   // 27
        u"You will receive a surprise and sleep in an unfamiliar place."_s,                    // 28
        u"You will not marry your first love, but this will work out for the best."_s,         // 29
        u"Someone is out for revenge for something you may not have committed."_s,             // 30
        u"Some important news may change your lifestyle."_s,                                   // 31
        u"Listen to the good advice of trusted friend."_s,                                     // 32
        u"A dark woman will be the cause of your troubles."_s,                                 // 33
        u"You will receive a letter with an unusual proposal very soon."_s,                    // 34
        u"You will soon embark on an enjoyable adventure."_s,                                  // 35
        u"You will receive unexpected financial and emotional joy."_s,                         // 36
        u"An ungrateful person will create problems for you."_s,                               // 37
        u"A good evening may turn out to have a bad outcome."_s,                               // 38
        u"You have made a promise without thinking, but it is one you are now bound to keep."_s, // 39
        u"You will receive a message which will create temporary trouble for you."_s,         // 40
        u"A jealous person around you will soon cause an argument."_s,                        // 41
        u"A position in life you have long desired will soon be yours."_s,                    // 42
        u"You will soon receive great honors."_s,                                             // 43
        u"A friend will deceive you."_s,                                                      // 44
        u"A person with a dark complexion is jealous of you."_s,                              // 45
        u"A friend you trust is secretly against you."_s,                                     // 46
        u"You will soon receive a large promotion."_s,                                        // 47
        u"You will soon receive a valuable package that has been delayed."_s,                 // 48
        u"You will experience trouble because of physical violence."_s,                       // 49
        u"You will be treated unjustly by a close relative."_s,                               // 50
        u"You will make things difficult for yourself by acting in an extravagant manner."_s, // 51
        u"You will argue about something unimportant."_s,                                     // 52
        u"You will soon make a new friend who will be of great benefit to you."_s,            // 53
        u"You will soon find a lost item which is of great value."_s,                         // 54
        u"Something seemingly unimportant will occur which will be to your great advantage."_s, // 55
        u"You will soon find out who your real friends are."_s,                     // 56
        u"You will settle on a plan that will prove to be advantageous to you."_s,  // 57
        u"One of your many friends is jealous of your happiness."_s,                // 58
        u"You will hear something of great importance to you in the next month."_s, // 59
        u"You will receive unexpected financial gain when you least expect it but most need it."_s, // 60
        u"You will soon hear that a suggestion you have made has been accepted."_s,        // 61
        u"Your rival will soon be defeated and this will do you good."_s,                  // 62
        u"You will soon receive a pleasant surprise from a man with a fair complexion."_s, // 63
        u"You will soon receive an unusual proposition from a stranger."_s,                // 64
        u"A man with a dark complexion and a fair woman will soon annoy you."_s,           // 65
        u"Keep a secret you have for at least a month."_s,                                 // 66
        u"You will soon have to choose between two friends, and in the process make an enemy."_s, // 67
        u"You will soon receive some good news."_s,                                          // 68
        u"You will soon receive news that will benefit you."_s,                              // 69
        u"Be careful of damage or loss by fire."_s,                                          // 70
        u"Someone is taking advantage of some information that may have come from you."_s,   // 71
        u"Your love life seems to be going wrong but will be fixed soon by a friend."_s,     // 72
        u"You will soon overcome your present difficulties and be happy with the result."_s, // 73
        u"Marriage will be financially beneficial."_s,                                       // 74
        u"You will be bestowed with valuable jewelry."_s,                                    // 75
        u"Something unexpected will bring you financial rewards."_s,                         // 76
        u"A friend may be jealous of you."_s,                                                // 77
        u"Opportunity will knock on your doors. Do not let it go."_s,                        // 78
    };
    return strFortunes;
}

FortuneCookies::FortuneCookies(platform::RandomSource &random)
    : m_random(random)
{}

void FortuneCookies::DrawStick()
{
    const int stick = StickFor(m_random.next());
    if (stick < 1 || stick > StickCount)
        return;
    m_intStickNumber = qint16(stick);
    m_strFortuneText = FortuneTable()[std::size_t(stick)];
}

} // namespace modFortunrCookies
