#include "share/TimerClock.h"

#include <algorithm>
#include <utility>

namespace rollkin {

TimerClock::TimerClock() {
    started_.start();
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        const std::function<void()> wake = std::exchange(wake_, nullptr);
        if (wake) wake();
    });
}

void TimerClock::WakeAt(Millis at, std::function<void()> wake) {
    wake_ = std::move(wake);
    timer_.start(static_cast<int>(std::max<Millis>(0, at - Now())));
}

}  // namespace rollkin
