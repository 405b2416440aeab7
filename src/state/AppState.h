#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>

namespace rollkin {

// The program's own scalar types: 16-bit integers, 32-bit longs and 16-bit Booleans
// (true = -1, false = 0, any non-zero value tests true).
using Integer = std::int16_t;
using Long = std::int32_t;
using Boolean = std::int16_t;
constexpr Boolean True = -1;
constexpr Boolean False = 0;

constexpr int FirstSlot = 1;
constexpr int LastSlot = 10;
// The anchor positions of the strip, row by row from the upper left.
constexpr int FirstPosition = 1;
constexpr int LastPosition = 9;

// A fixed array with the bounds Lo..Hi, so that slot i reads as `DiceSides(i)`.
// An index outside the bounds is a programming error and throws.
template <typename T, int Lo, int Hi>
class BoundedArray {
public:
    static_assert(Lo <= Hi);
    static constexpr int Lower = Lo;
    static constexpr int Upper = Hi;

    T& operator()(int i) { return items_.at(Offset(i)); }
    const T& operator()(int i) const { return items_.at(Offset(i)); }

    friend bool operator==(const BoundedArray&, const BoundedArray&) = default;

private:
    static std::size_t Offset(int i) {
        if (i < Lo || i > Hi) throw std::out_of_range("index outside the array's bounds");
        return static_cast<std::size_t>(i - Lo);
    }
    std::array<T, Hi - Lo + 1> items_{};
};

template <typename T>
using SlotArray = BoundedArray<T, FirstSlot, LastSlot>;

// A point in whole screen pixels.
struct PointL {
    Long x = 0;
    Long y = 0;
    friend bool operator==(const PointL&, const PointL&) = default;
};

// The one record of settings and per-slot working state, shared by every window.
// Fields start at zero ("not set"); frmRollkin's Form_Load gives them their start values.
struct AppState {
    SlotArray<Integer> DiceSides;
    PointL PressCursor;
    PointL DragCursor;
    PointL PressWindowOrigin;
    SlotArray<Integer> DiceMultiplier;
    SlotArray<Boolean> DiceDragged;
    SlotArray<Integer> RightPressState;
    SlotArray<Boolean> DiceEnabled;
    Integer RefreshSeconds = 0;
    Integer MultiplierRange = 0;
    Boolean MultiplierPermanent = False;
    Boolean ResultPermanent = False;
    Boolean StayOnTop = False;
    Boolean ScrollerMirrored = False;
    Integer AnchorPosition = 0;
    Boolean FreePosition = False;

    friend bool operator==(const AppState&, const AppState&) = default;
};

// Faces of each slot's die, slot 1 to 10.
constexpr std::array<Integer, 10> DesignDiceSides{2, 3, 4, 5, 6, 8, 10, 12, 20, 100};

// The largest multiplier until the configuration dialog changes it.
constexpr Integer DefaultMultiplierRange = 20;

// The ranges the configuration dialog's sliders allow.
constexpr Integer MinRefreshSeconds = 0, MaxRefreshSeconds = 5;
constexpr Integer MinMultiplierRange = 5, MaxMultiplierRange = 40;

// One key of the settings file's Settings group: the field it keeps, what a value read is
// brought into, and the field's start value, the one "Apply Default" offers again. The file
// reads and writes every key through this one table, and ResetSettings starts from it.
struct SettingKey {
    enum class Kind {
        Number,      // a number, brought into lo..hi; one that is not a number leaves the field
        Flag,        // true or false (1 or 0)
        Dice,        // the sides of the slots offered; a list naming none of them leaves them all
        Multipliers  // a number a slot, brought into lo..the field `hiFrom`
    };
    const char* name;
    Kind kind;
    Integer AppState::*field = nullptr;               // Number, Flag
    SlotArray<Integer> AppState::*perSlot = nullptr;  // Dice, Multipliers
    int lo = 0;
    int hi = 0;
    Integer AppState::*hiFrom = nullptr;
    // Kept and read only while this flag is set.
    Boolean AppState::*when = nullptr;
    // None: the field is not reset (the multipliers start at 1 when the strip loads).
    std::optional<Integer> start;
};

// In the order they are read: a key that another key's range or condition depends on first.
// Every slot offered, multipliers up to 20, totals shown for a second, nothing permanent, on
// top, anchored at the upper left.
inline const SettingKey SettingKeys[] = {
    {"RefreshSeconds", SettingKey::Kind::Number, &AppState::RefreshSeconds, nullptr,
     MinRefreshSeconds, MaxRefreshSeconds, nullptr, nullptr, 1},
    {"MultiplierRange", SettingKey::Kind::Number, &AppState::MultiplierRange, nullptr,
     MinMultiplierRange, MaxMultiplierRange, nullptr, nullptr, DefaultMultiplierRange},
    {"AnchorPosition", SettingKey::Kind::Number, &AppState::AnchorPosition, nullptr, FirstPosition,
     LastPosition, nullptr, nullptr, 1},
    {"MultiplierPermanent", SettingKey::Kind::Flag, &AppState::MultiplierPermanent, nullptr, 0, 0,
     nullptr, nullptr, False},
    {"ResultPermanent", SettingKey::Kind::Flag, &AppState::ResultPermanent, nullptr, 0, 0, nullptr,
     nullptr, False},
    {"StayOnTop", SettingKey::Kind::Flag, &AppState::StayOnTop, nullptr, 0, 0, nullptr, nullptr,
     True},
    {"FreePosition", SettingKey::Kind::Flag, &AppState::FreePosition, nullptr, 0, 0, nullptr,
     nullptr, False},
    {"Dice", SettingKey::Kind::Dice, nullptr, &AppState::DiceEnabled, 0, 0, nullptr, nullptr, True},
    {"Multipliers", SettingKey::Kind::Multipliers, nullptr, &AppState::DiceMultiplier, 1, 0,
     &AppState::MultiplierRange, &AppState::MultiplierPermanent, std::nullopt},
};

// Gives the settings their start values.
inline void ResetSettings(AppState& s) {
    for (const SettingKey& key : SettingKeys) {
        if (!key.start) continue;
        if (key.field != nullptr) s.*key.field = *key.start;
        for (int i = FirstSlot; i <= LastSlot && key.perSlot != nullptr; ++i)
            (s.*key.perSlot)(i) = *key.start;
    }
}

}  // namespace rollkin
