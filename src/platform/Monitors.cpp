#include "platform/Monitors.h"

namespace rollkin {

QRect MonitorHolding(const std::vector<QRect>& monitors, const QPoint& centre, bool placed) {
    if (monitors.empty()) return {};
    if (placed) {
        for (const QRect& m : monitors)
            if (m.contains(centre)) return m;
    }
    return monitors.front();
}

}  // namespace rollkin
