#include "GestureDriver.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <algorithm>
#include <cstdlib>
#include <limits>
#include <sstream>

#include "forms/frmAbout.h"
#include "forms/frmConfig.h"
#include "forms/frmMenu.h"
#include "forms/frmRollkin.h"
#include "forms/frmScroller.h"
#include "platform/MouseArgs.h"
#include "state/Dice.h"

namespace rollkin::test {

namespace {

// A button that Qt reports but the handlers have no number for (back, forward): it still takes
// part in the grab.
constexpr Integer OtherButton = 8;
constexpr Integer HandlerButtons = vbLeftButton | vbRightButton | vbMiddleButton;

Integer HandlerButton(Integer bit) {
    return bit == OtherButton ? 0 : bit;
}

// A cursor next to one at the edge of the 32-bit range wraps around, as X's 16-bit
// coordinates would; the program must cope with either end.
Long Wrap(std::int64_t v) {
    return static_cast<Long>(static_cast<std::uint32_t>(v));
}

}  // namespace

EventMix MixFromEnvironment() {
    EventMix mix;
    mix.windowsOpenedDuringADrag = false;
    const char* v = std::getenv("ROLLKIN_GESTURE_MIX");
    const std::string on = v != nullptr ? v : "";
    if (on == "all" || on.find("drag") != std::string::npos) mix.windowsOpenedDuringADrag = true;
    return mix;
}

std::uint32_t SeededChoices::Below(std::uint32_t n) {
    return n == 0 ? 0 : static_cast<std::uint32_t>(engine_() % n);
}

std::uint32_t ByteChoices::Below(std::uint32_t n) {
    if (n == 0) return 0;
    const int bytes = n <= 256 ? 1 : 4;
    std::uint32_t v = 0;
    for (int k = 0; k < bytes; ++k) {
        v = (v << 8) | (pos_ < size_ ? data_[pos_] : 0u);
        ++pos_;
    }
    return v % n;
}

Session::Session(std::uint64_t seed, int screenW, int screenH, float tpp)
    : rng(static_cast<std::uint32_t>(seed ^ (seed >> 32))) {
    desktop.screenWidthPixels = screenW;
    desktop.screenHeightPixels = screenH;
    desktop.tppX = tpp;
    desktop.tppY = tpp;
    program = std::make_unique<Program>(desktop, rng);
    program->Start();
}

Session::~Session() {
    // The windows go before the desktop they were placed on.
    program.reset();
}

GestureDriver::GestureDriver(Session& session, EventMix mix)
    : s_(session), p_(*session.program), mix_(mix) {
    s_.desktop.onPopup = [this](QMenu& menu) { OnPopup(menu); };
    s_.desktop.onModal = [this](QDialog& dialog) { OnModal(dialog); };
    for (int i = FirstSlot; i <= LastSlot; ++i) {
        multiplierBefore_(i) = p_.Settings().State().DiceMultiplier(i);
        captionBefore_(i) = p_.Rollkin().cmdDice(i).text();
    }
    rangeBefore_ = p_.Settings().State().MultiplierRange;
}

bool GestureDriver::Step(Choices& c) {
    current_ = &c;
    const AppState& st = p_.Settings().State();
    frmRollkin& strip = p_.Rollkin();
    for (int i = FirstSlot; i <= LastSlot; ++i) {
        multiplierBefore_(i) = st.DiceMultiplier(i);
        captionBefore_(i) = strip.cmdDice(i).text();
    }
    rangeBefore_ = st.MultiplierRange;
    pressSlot_ = 0;
    drawsBefore_ = s_.rng.draws;
    modalsBefore_ = s_.desktop.popups + static_cast<int>(s_.desktop.modals.size());

    const std::uint32_t kind = c.Below(100);
    if (kind < 24) {
        Press(c);
    } else if (kind < 58) {
        Move(c);
    } else if (kind < 78) {
        Release(c);
    } else if (kind < 81) {
        OutsidePress(c);
    } else if (kind < 93) {
        FireTimer(c);
    } else if (kind < 94) {
        Key(c);
    } else {
        CursorFaults(c);
    }
    ++events_;
    if (events_ % 1024 == 0) {
        // Lets Qt deliver what it queued (the scroller's repaints) without running any timer,
        // and drops the desktop's records, so that a million events run in bounded memory.
        QCoreApplication::sendPostedEvents();
        s_.desktop.placements.clear();
        s_.desktop.cursorSets.clear();
        s_.desktop.pointerCalls.clear();
        s_.desktop.messages.clear();
        s_.desktop.modals.clear();
        s_.desktop.popups = 0;
    }
    current_ = nullptr;
    return !c.Exhausted();
}

int GestureDriver::VisibleSlot(Choices& c) {
    std::array<int, 10> visible{};
    std::size_t n = 0;
    for (int i = FirstSlot; i <= LastSlot; ++i) {
        if (p_.Rollkin().cmdDice(i).Visible()) visible[n++] = i;
    }
    if (n == 0) return FirstSlot;  // cannot happen: the dialog keeps one slot; Check() says so
    return visible[c.Below(static_cast<std::uint32_t>(n))];
}

Integer GestureDriver::Shift(Choices& c) {
    const std::uint32_t r = c.Below(20);
    if (r < 8) return 0;
    if (r < 11) return vbShiftMask;
    if (r < 14) return vbCtrlMask;
    if (r == 19) return vbAltMask;
    return static_cast<Integer>(r - 11);  // 3 .. 7: every combination
}

PointL GestureDriver::Cursor(Choices& c) {
    const PointL at = AnyCursor(c);
    if (mix_.cursorsBeyondSixteenBits) return at;
    // The low 16 bits, sign extended.
    return {static_cast<std::int16_t>(at.x & 0xFFFF), static_cast<std::int16_t>(at.y & 0xFFFF)};
}

PointL GestureDriver::AnyCursor(Choices& c) {
    const AppState& st = p_.Settings().State();
    const FakeDesktop& d = s_.desktop;
    const Long w = d.screenWidthPixels, h = d.screenHeightPixels;
    switch (c.Below(8)) {
        case 0:
        case 1:  // a jitter around the press
            return {Wrap(static_cast<std::int64_t>(st.PressCursor.x) + c.Below(5) - 2),
                    Wrap(static_cast<std::int64_t>(st.PressCursor.y) + c.Below(5) - 2)};
        case 2:
        case 3:
            return {static_cast<Long>(c.Below(static_cast<std::uint32_t>(w))),
                    static_cast<Long>(c.Below(static_cast<std::uint32_t>(h)))};
        case 4: {  // along the scroller's side of the strip
            // Not width(): for a strip moved to the end of the range, Qt's right edge overflows.
            const frmRollkin& strip = p_.Rollkin();
            const std::int64_t right = static_cast<std::int64_t>(strip.x()) + 80;
            return {Wrap(right + c.Below(600) - 300), Wrap(static_cast<std::int64_t>(strip.y()) +
                                                           c.Below(static_cast<std::uint32_t>(h)))};
        }
        case 5: {
            constexpr Long Edges[] = {std::numeric_limits<Long>::min(),
                                      std::numeric_limits<Long>::max(),
                                      0,
                                      -1,
                                      1,
                                      -1024,
                                      65535};
            return {Edges[c.Below(std::size(Edges))], Edges[c.Below(std::size(Edges))]};
        }
        case 6: {  // any 32-bit value
            const auto hi = c.Below(65536), lo = c.Below(65536);
            const auto hi2 = c.Below(65536), lo2 = c.Below(65536);
            return {static_cast<Long>((hi << 16) | lo), static_cast<Long>((hi2 << 16) | lo2)};
        }
        default:  // where it already is
            return d.cursor;
    }
}

void GestureDriver::Log(char kind, int slot, int button, int shift, Long x, Long y) {
    ring_[logged_++ % ring_.size()] = {events_, kind, slot, button, shift, x, y};
}

void GestureDriver::AfterModalInput() {
    held_ = static_cast<Integer>(held_ & ~vbLeftButton);
    seen_ = 0;
    capture_ = 0;
}

void GestureDriver::Press(Choices& c) {
    const std::uint32_t b = c.Below(20);
    const Integer bit = b < 9    ? vbLeftButton
                        : b < 17 ? vbRightButton
                        : b < 19 ? vbMiddleButton
                                 : OtherButton;
    if (held_ & bit) {  // already down: this event becomes a move
        Move(c);
        return;
    }
    Integer shift = Shift(c);
    if (bit == vbLeftButton && shift == vbShiftMask && held_ != 0 &&
        !mix_.windowsOpenedDuringADrag) {
        shift = 0;
    }
    const int slot = capture_ != 0 ? capture_ : VisibleSlot(c);
    const AppState& st = p_.Settings().State();
    if (bit == vbLeftButton) {
        pressSlot_ = slot;
        pressLow_ = st.DiceMultiplier(slot);
        pressHigh_ = static_cast<Integer>(st.DiceMultiplier(slot) * st.DiceSides(slot));
    }
    Log('P', slot, HandlerButton(bit), shift);
    held_ |= bit;
    seen_ |= bit;
    capture_ = slot;
    p_.Rollkin().cmdDice_MouseDown(slot, HandlerButton(bit), shift, 0, 0);
    if (s_.desktop.popups + static_cast<int>(s_.desktop.modals.size()) != modalsBefore_) {
        AfterModalInput();
    }
}

void GestureDriver::Move(Choices& c) {
    const PointL at = Cursor(c);
    const Integer shift = Shift(c);
    s_.desktop.cursor = at;
    int slot = capture_;
    if (slot == 0) {
        if (c.Chance(20)) {  // over some other window: the program sees nothing
            Log('m', 0, held_ & HandlerButtons, shift, at.x, at.y);
            return;
        }
        slot = VisibleSlot(c);
    }
    const auto buttons = static_cast<Integer>(held_ & HandlerButtons);
    Log('M', slot, buttons, shift, at.x, at.y);
    p_.Rollkin().cmdDice_MouseMove(slot, buttons, shift, 0, 0);
}

void GestureDriver::Release(Choices& c) {
    if (held_ == 0) {
        Move(c);
        return;
    }
    std::array<Integer, 4> down{};
    std::uint32_t n = 0;
    for (Integer bit : {vbLeftButton, vbRightButton, vbMiddleButton, OtherButton}) {
        if (held_ & bit) down[n++] = bit;
    }
    const Integer bit = down[c.Below(n)];
    Integer shift = Shift(c);
    held_ = static_cast<Integer>(held_ & ~bit);
    int slot = capture_;
    if (slot == 0) {
        // No grab: the release goes to whatever window is under the pointer.
        if (!mix_.strayReleases || c.Chance(30)) {
            Log('r', 0, HandlerButton(bit), shift);
            return;
        }
        slot = VisibleSlot(c);
    }
    if (bit == vbLeftButton && shift == 0 && !mix_.plainLeftReleaseOverALabel) {
        int total = 0;
        if (!ParseTotal(p_.Rollkin().cmdDice(slot).text(), total)) shift = vbAltMask;
    }
    seen_ = static_cast<Integer>(seen_ & ~bit);
    if (held_ == 0) capture_ = 0;
    Log('R', slot, HandlerButton(bit), shift);
    p_.Rollkin().cmdDice_MouseUp(slot, HandlerButton(bit), shift, 0, 0);
}

void GestureDriver::OutsidePress(Choices& c) {
    if (capture_ != 0) {  // the program has the mouse: every press comes to it
        Press(c);
        return;
    }
    const std::uint32_t b = c.Below(10);
    const Integer bit = b < 7 ? vbRightButton : b < 9 ? vbLeftButton : vbMiddleButton;
    held_ |= bit;
    Log('O', 0, bit, 0);
}

void GestureDriver::FireTimer(Choices& c) {
    std::array<int, 10> running{};
    std::uint32_t n = 0;
    frmMenu& menu = p_.Menu();
    for (int i = FirstSlot; i <= LastSlot; ++i) {
        if (menu.tmrRefresh(i).isActive()) running[n++] = i;
    }
    if (n == 0) {
        Move(c);
        return;
    }
    const int slot = running[c.Below(n)];
    Log('T', slot, 0, 0);
    menu.tmrRefresh_Timer(slot);
}

void GestureDriver::Key(Choices& c) {
    if (!mix_.dialogs) {
        CursorFaults(c);
        return;
    }
    constexpr Integer Keys[] = {vbKeyF1, vbKeyF1, 0, 65, 113};
    Integer key = Keys[c.Below(std::size(Keys))];
    if (key == vbKeyF1 && held_ != 0 && !mix_.windowsOpenedDuringADrag) key = 0;
    const Integer shift = Shift(c);
    Log('K', 0, key, shift);
    p_.Rollkin().Form_KeyDown(key, shift);
    if (s_.desktop.popups + static_cast<int>(s_.desktop.modals.size()) != modalsBefore_) {
        AfterModalInput();
    }
}

void GestureDriver::CursorFaults(Choices& c) {
    s_.desktop.failGetCursor = c.Chance(25);
    s_.desktop.failSetCursor = c.Chance(25);
    Log('C', 0, s_.desktop.failGetCursor, s_.desktop.failSetCursor);
}

void GestureDriver::OnPopup(QMenu&) {
    ++popups_;
    if (!mix_.dialogs || current_ == nullptr) return;  // dismissed
    const std::uint32_t r = current_->Below(100);
    frmMenu& menu = p_.Menu();
    if (r < 6) {
        Log('c', 0, 0, 0);
        menu.mnuConfigure->trigger();
    } else if (r < 20) {
        Log('a', 0, 0, 0);
        menu.mnuAbout->trigger();
    }
}

void GestureDriver::OnModal(QDialog& dialog) {
    ++dialogs_;
    if (auto* config = dynamic_cast<frmConfig*>(&dialog)) {
        Configure(*config);
    } else if (auto* about = dynamic_cast<frmAbout*>(&dialog)) {
        about->cmdOK->click();
    }
}

void GestureDriver::Configure(frmConfig& config) {
    Choices& c = *current_;
    for (int i = 1; i <= 10; ++i) {
        if (c.Chance(15)) config.chkDice(i)->click();
    }
    if (c.Chance(40)) config.sldMultiplier->setValue(5 + static_cast<int>(c.Below(36)));
    if (c.Chance(30)) config.sldRefresh->setValue(static_cast<int>(c.Below(6)));
    for (QCheckBox* box : {config.chkMultipPermanence, config.chkResultPermanence,
                           config.chkStayOnTop, config.chkFreePos, config.chkBoundPos}) {
        if (c.Chance(20)) box->click();
    }
    if (c.Chance(25)) config.optPos(1 + static_cast<int>(c.Below(9)))->click();
    const std::uint32_t end = c.Below(100);
    // Logged as: button = how it closed (0 OK, 1 Cancel, 2 Default+OK, 3 Default+Cancel),
    // shift = the range slider's value.
    const int how = end < 45 ? 0 : end < 70 ? 1 : end < 85 ? 2 : 3;
    Log('d', 0, how, config.sldMultiplier->value());
    bool closed = false;
    QObject::connect(&config, &QDialog::finished, [&closed] { closed = true; });
    if (how >= 2) config.cmdDefault->click();
    if (how == 0 || how == 2) config.cmdOk->click();
    // OK with no dice offered only says so; the user then gives up.
    if (!closed) config.cmdCancel->click();
}

}  // namespace rollkin::test
