#pragma once

#include <QPoint>
#include <QRect>
#include <vector>

namespace rollkin {

// The monitor (pixels of the whole desktop) that holds a window's centre: among monitors, the
// primary first, the first that holds it; the primary while the window has not been placed yet,
// or when none holds it; nothing when there is no monitor.
QRect MonitorHolding(const std::vector<QRect>& monitors, const QPoint& centre, bool placed);

}  // namespace rollkin
