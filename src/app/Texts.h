#pragma once

#include <QString>

// Texts that more than one window shows.
namespace app {

QString DiscussionBoardPromotion();
// The business offer, and the same without its invitation to click.
QString BusinessOffer();
QString BusinessOfferHeadline();
// What the practice is, in three sentences: as the about window describes it,
// and as the main window introduces it.
QString PracticeDescription();
QString PracticeIntroduction();

} // namespace app
