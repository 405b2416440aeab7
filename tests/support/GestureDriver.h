#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <random>
#include <string>

#include "FakeDesktop.h"
#include "app/Program.h"
#include "state/AppState.h"

namespace rollkin {
class frmConfig;
}

class QDialog;
class QMenu;

namespace rollkin::test {

// Where the driver takes its decisions from: a seeded generator for the long randomized runs,
// the fuzzer's bytes for the fuzz target. Below(n) returns a value in 0..n-1.
class Choices {
public:
    virtual ~Choices() = default;
    virtual std::uint32_t Below(std::uint32_t n) = 0;
    // True once a byte source has nothing left; a seeded source never runs dry.
    virtual bool Exhausted() const { return false; }

    bool Chance(std::uint32_t percent) { return Below(100) < percent; }
};

class SeededChoices final : public Choices {
public:
    explicit SeededChoices(std::uint64_t seed) : engine_(seed) {}
    std::uint32_t Below(std::uint32_t n) override;

private:
    std::mt19937_64 engine_;
};

// Reads one byte per choice of up to 256 values, four bytes for wider ones; zeros once empty.
class ByteChoices final : public Choices {
public:
    ByteChoices(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint32_t Below(std::uint32_t n) override;
    bool Exhausted() const override { return pos_ >= size_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// A generator whose sequence depends on its own seed only: Form_Load's time-of-day seed is
// ignored, so that a failing run replays throw for throw.
class FixedSeedRandom final : public Random {
public:
    explicit FixedSeedRandom(std::uint32_t seed) : engine_(seed) {}
    float Rnd() override {
        ++draws;
        return DrawFromBits(static_cast<std::uint32_t>(engine_()));
    }
    std::uint64_t draws = 0;

private:
    std::mt19937 engine_;
};

// Which parts of the event mix are on. Everything is on by default; a run can leave out a kind of
// event whose fault is already known, so that the rest still gets its million events.
struct EventMix {
    // The menu (Shift+left press) or the About window (F1) opened while a button is down.
    bool windowsOpenedDuringADrag = true;
    bool strayReleases = true;  // releases of presses the program never saw
    bool dialogs = true;        // Configure... and About... through the menu, and F1
    // A plain left release on a button that shows a label rather than a total (its press did
    // not throw, or a right click since has put the label back).
    bool plainLeftReleaseOverALabel = true;
    // Cursor positions anywhere in 32 bits; without, within the 16 bits an X server reports.
    bool cursorsBeyondSixteenBits = true;
};

// The mix the CI runs: everything but a menu or dialog opened while a button is down, whose
// taking of the releases the strip notices through Qt's mouse state; calling the handlers, this
// driver cannot show it that (Strip.AMenuThatTakesTheRightReleaseEndsTheRightGesture does).
// ROLLKIN_GESTURE_MIX=drag (or all) puts it back.
EventMix MixFromEnvironment();

// A button's caption read as a total: whether it is one, and the number.
bool ParseTotal(const QString& caption, int& total);

// One program on the recording desktop, started, with a deterministic generator.
struct Session {
    explicit Session(std::uint64_t seed, int screenW = 1024, int screenH = 768, float tpp = 15);
    ~Session();

    FakeDesktop desktop;
    FixedSeedRandom rng;
    std::unique_ptr<Program> program;
};

// Feeds a program the input a user and the window system can produce: presses, moves and releases
// with every button and modifier mask, delivered the way X delivers them (the first press of a
// burst keeps every event until the last button is up; a press that happened outside the program
// still shows in the button mask of later moves), timer firings, cursor failures, and the menu's
// commands other than Exit. After each event Check() tells whether the invariants still hold.
class GestureDriver {
public:
    GestureDriver(Session& session, EventMix mix = {});

    // Performs one event. Returns false when the choices ran dry before an event was complete.
    bool Step(Choices& choices);

    // Empty while every invariant holds; otherwise what broke, on which slot, with the values.
    std::string Check();

    // The last events, oldest first, one per line, for a failure report.
    std::string RecentEvents() const;

    std::uint64_t Events() const { return events_; }
    int Dialogs() const { return dialogs_; }
    int Popups() const { return popups_; }
    // How often Check() found the scroller open, a multiplier kept above a lowered range, a
    // total on a button, the strip free to move: evidence that a run reached those states.
    struct Reached {
        std::uint64_t scrollerOpen = 0, aboveRange = 0, totals = 0, freePosition = 0;
    };
    const Reached& Coverage() const { return reached_; }

    // Buttons physically down (the handlers' mask), and the slot that has the mouse (0: none).
    Integer Held() const { return held_; }
    int Capture() const { return capture_; }

private:
    struct Record {
        std::uint64_t index;
        char kind;
        int slot;
        int button;
        int shift;
        Long x, y;
    };

    void Press(Choices& c);
    void Move(Choices& c);
    void Release(Choices& c);
    void OutsidePress(Choices& c);
    void FireTimer(Choices& c);
    void Key(Choices& c);
    void CursorFaults(Choices& c);

    int VisibleSlot(Choices& c);
    Integer Shift(Choices& c);
    PointL Cursor(Choices& c);
    PointL AnyCursor(Choices& c);
    void Log(char kind, int slot, int button, int shift, Long x = 0, Long y = 0);
    // A popup or modal window took the mouse: the program's grab is gone and the left press
    // that opened it was released into that window.
    void AfterModalInput();

    void OnPopup(QMenu& menu);
    void OnModal(QDialog& dialog);
    void Configure(frmConfig& config);

    Session& s_;
    Program& p_;
    EventMix mix_;
    Choices* current_ = nullptr;

    Integer held_ = 0;  // physically down
    Integer seen_ = 0;  // of those, the ones whose press reached the program
    int capture_ = 0;
    std::uint64_t events_ = 0;
    int dialogs_ = 0;
    int popups_ = 0;
    int modalsBefore_ = 0;
    Reached reached_;

    // Invariant bookkeeping, per slot.
    SlotArray<Integer> multiplierBefore_;
    SlotArray<Integer> grandfathered_;  // a value kept through a lowering of the range
    SlotArray<Integer> totalLow_;
    SlotArray<Integer> totalHigh_;
    SlotArray<QString> captionBefore_;
    Integer rangeBefore_ = 0;
    std::uint64_t drawsBefore_ = 0;
    int pressSlot_ = 0;  // the slot of this event's left press, and its bounds
    Integer pressLow_ = 0, pressHigh_ = 0;

    std::uint64_t logged_ = 0;
    std::array<Record, 24> ring_{};
};

}  // namespace rollkin::test
