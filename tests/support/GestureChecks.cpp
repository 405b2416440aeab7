#include <sstream>

#include "GestureDriver.h"
#include "forms/frmRollkin.h"
#include "forms/frmScroller.h"
#include "platform/MouseArgs.h"
#include "state/Dice.h"

// The driver's invariants, checked after every event, and the events that led to a failure.

namespace rollkin::test {

bool ParseTotal(const QString& caption, int& total) {
    bool ok = false;
    total = caption.toInt(&ok, 10);
    return ok && !caption.isEmpty() && caption.at(0).isDigit();
}

std::string GestureDriver::Check() {
    const AppState& st = p_.Settings().State();
    frmRollkin& strip = p_.Rollkin();
    std::ostringstream out;
    if (p_.Ended()) return "the program ended without Exit";
    const bool lowered = st.MultiplierRange < rangeBefore_;
    int visible = 0;
    for (int i = FirstSlot; i <= LastSlot; ++i) {
        const Integer m = st.DiceMultiplier(i);
        if (lowered) grandfathered_(i) = std::max(grandfathered_(i), multiplierBefore_(i));
        const Integer limit = std::max(st.MultiplierRange, grandfathered_(i));
        if (m < 1 || m > limit) {
            out << "slot " << i << ": multiplier " << m << " outside 1.." << limit << " (range "
                << st.MultiplierRange << ", before this event " << multiplierBefore_(i) << ")";
            return out.str();
        }
        // A value above the range may only come down; once at or below it, the range rules.
        grandfathered_(i) = std::min(grandfathered_(i), m);
        if (m > st.MultiplierRange) ++reached_.aboveRange;
        if (st.RightPressState(i) < 0 || st.RightPressState(i) > 2) {
            out << "slot " << i << ": RightPressState " << st.RightPressState(i);
            return out.str();
        }
        const DiceButton& button = strip.cmdDice(i);
        if (button.Visible() != (st.DiceEnabled(i) != False)) {
            out << "slot " << i << ": visible " << button.Visible() << " but DiceEnabled "
                << st.DiceEnabled(i);
            return out.str();
        }
        if (!button.Visible()) continue;
        ++visible;
        const QString caption = button.text();
        if (caption == QString::fromStdString(FaceLabel(st, i))) continue;
        int total = 0;
        if (!ParseTotal(caption, total)) {
            out << "slot " << i << ": caption \"" << caption.toStdString()
                << "\" is neither the face label \"" << FaceLabel(st, i) << "\" nor a total";
            return out.str();
        }
        ++reached_.totals;
        if (pressSlot_ == i && s_.rng.draws != drawsBefore_) {  // this press threw
            totalLow_(i) = pressLow_;
            totalHigh_(i) = pressHigh_;
        } else if (caption != captionBefore_(i)) {
            out << "slot " << i << ": total " << total << " appeared without a left press";
            return out.str();
        }
        if (total < totalLow_(i) || total > totalHigh_(i)) {
            out << "slot " << i << ": total " << total << " outside " << totalLow_(i) << ".."
                << totalHigh_(i);
            return out.str();
        }
    }
    if (visible == 0) return "no button is visible";
    const float expected = ButtonPitch * static_cast<float>(visible);
    if (strip.Height() != expected) {
        out << "strip height " << strip.Height() << " twips for " << visible
            << " visible buttons (expected " << expected << ")";
        return out.str();
    }
    if (p_.Scroller().isVisible()) {
        ++reached_.scrollerOpen;
        if (!(held_ & vbRightButton)) return "the scroller shows with no right button held";
    }
    if (st.FreePosition) ++reached_.freePosition;
    return {};
}

std::string GestureDriver::RecentEvents() const {
    std::ostringstream out;
    const std::uint64_t n = std::min<std::uint64_t>(logged_, ring_.size());
    for (std::uint64_t k = logged_ - n; k < logged_; ++k) {
        const Record& r = ring_[k % ring_.size()];
        out << "  #" << r.index << ' ';
        switch (r.kind) {
            case 'P':
                out << "press   slot " << r.slot << " button " << r.button;
                break;
            case 'R':
                out << "release slot " << r.slot << " button " << r.button;
                break;
            case 'r':
                out << "release button " << r.button << " outside the strip";
                break;
            case 'O':
                out << "press   button " << r.button << " outside the strip";
                break;
            case 'M':
                out << "move    slot " << r.slot << " buttons " << r.button;
                break;
            case 'm':
                out << "move    outside the strip, buttons " << r.button;
                break;
            case 'T':
                out << "timer   slot " << r.slot;
                break;
            case 'K':
                out << "key     " << r.button;
                break;
            case 'C':
                out << "cursor  failGet " << r.button << " failSet " << r.shift;
                break;
            case 'c':
                out << "menu    Configure...";
                break;
            case 'a':
                out << "menu    About...";
                break;
            case 'd':
                out << "dialog  closed by " << r.button << " with range " << r.shift;
                break;
            default:
                out << r.kind;
        }
        if (r.kind == 'P' || r.kind == 'R' || r.kind == 'r' || r.kind == 'M' || r.kind == 'm' ||
            r.kind == 'K') {
            out << " shift " << r.shift;
        }
        if (r.kind == 'M' || r.kind == 'm') out << " cursor (" << r.x << ", " << r.y << ")";
        out << '\n';
    }
    return out.str();
}

}  // namespace rollkin::test
