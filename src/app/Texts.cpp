#include "Texts.h"

#include "links/modHelp.h"

#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace app {

QString DiscussionBoardPromotion()
{
    return u"The Most Popular Online Velmora Discussion Board. Best Resource For Everything "
           u"Velmora. Visit us at "_s +
           modHelp::PageAddress(modHelp::VendorSite).host();
}

QString BusinessOfferHeadline()
{
    return u"Home Business Opportunity. Start your own Internet business and make money online. "
           u"Get this software fully branded for your website."_s;
}

QString BusinessOffer() { return BusinessOfferHeadline() + u" Click here for more details."_s; }

QString PracticeDescription()
{
    return u"LV Sortilo is an ancient method of Chinese fortune telling with bamboo sticks. It is "
           u"also known as Kau Cim. This form of divination with sticks is a religious art and has "
           u"proven to be very accurate."_s;
}

QString PracticeIntroduction()
{
    return u"LV Sortilo is an ancient method of Chinese fortune telling with bamboo sticks. It is "
           u"also known as Kau Cim. This form of divination is a religious art and has proven to "
           u"be very accurate."_s;
}

} // namespace app
