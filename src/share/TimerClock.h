#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include "share/ShareQueue.h"

namespace rollkin {

// The queue's clock on Qt's timers: the wake-up comes from the event loop.
class TimerClock final : public Clock {
public:
    TimerClock();
    Millis Now() const override { return started_.elapsed(); }
    void WakeAt(Millis at, std::function<void()> wake) override;

private:
    QElapsedTimer started_;
    QTimer timer_;
    std::function<void()> wake_;
};

}  // namespace rollkin
