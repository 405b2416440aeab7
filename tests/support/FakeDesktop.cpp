#include "FakeDesktop.h"

#include <QDialog>
#include <QMenu>
#include <QWidget>
#include <algorithm>

#include "platform/Monitors.h"

namespace rollkin::test {

QRect FakeDesktop::MonitorOf(const QWidget& window) const {
    if (monitors.empty()) return {0, 0, screenWidthPixels, screenHeightPixels};
    const bool placed = std::any_of(placements.begin(), placements.end(),
                                    [&](const Placement& p) { return p.window == &window; });
    return MonitorHolding(monitors, window.geometry().center(), placed);
}

bool FakeDesktop::GetCursorPos(PointL& pt) {
    ++getCursorCalls;
    if (failGetCursor) return false;
    pt = cursor;
    return true;
}

bool FakeDesktop::SetCursorPos(Long x, Long y) {
    cursorSets.push_back({x, y});
    if (failSetCursor) return false;
    cursor = {x, y};
    return true;
}

void FakeDesktop::SetWindowPos(QWidget& window, InsertAfter after, Long x, Long y, Long cx, Long cy,
                               unsigned flags) {
    placements.push_back({&window, after, x, y, cx, cy, flags});
    window.setGeometry(x, y, cx, cy);
}

void FakeDesktop::SetMousePointer(int pointer) {
    pointerCalls.push_back(pointer);
    pointer_ = pointer;
}

void FakeDesktop::PopupMenu(QMenu& menu) {
    ++popups;
    if (onPopup) onPopup(menu);
}

void FakeDesktop::ShowModal(QDialog& dialog) {
    modals.push_back(dialog.windowTitle());
    if (onModal) onModal(dialog);
}

float ScriptedRandom::Rnd() {
    ++drawn;
    if (draws.empty()) return Random::Rnd();
    const float r = draws.front();
    draws.pop_front();
    return r;
}

}  // namespace rollkin::test
