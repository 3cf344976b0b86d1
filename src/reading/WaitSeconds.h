#pragma once

#include <QtGlobal>

namespace platform {
class Clock;
}

namespace reading {

// The main window's pause before a draw. Window events go on being handled
// while it waits, in the event loop, so the wait costs no processor time. It
// measures on the monotonic clock, so it lasts its length across midnight. A
// modal window opened meanwhile holds it until that window closes.
void WaitSeconds(qint16 seconds, const platform::Clock &clock);

} // namespace reading
