#include "WaitSeconds.h"

#include "platform/Platform.h"

#include <QCoreApplication>
#include <QTimer>

using namespace std::chrono_literals;

namespace reading {

void WaitSeconds(qint16 seconds, const platform::Clock &clock)
{
    const auto deadline = clock.monotonic() + std::chrono::seconds(qMax<qint16>(seconds, 0));
    // The timer only wakes the loop; any other event wakes it as well, and the
    // clock alone decides when the time is up.
    QTimer wakeUp;
    wakeUp.setSingleShot(true);
    wakeUp.setTimerType(Qt::PreciseTimer);
    for (auto left = deadline - clock.monotonic(); left > 0ms;
         left = deadline - clock.monotonic()) {
        if (!wakeUp.isActive())
            wakeUp.start(left);
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

} // namespace reading
