#pragma once

#include <string>
#include <vector>

namespace rollkin {

// A roll the player named and keeps, shown as a button under the dice buttons.
struct SavedRoll {
    std::string name;  // UTF-8, at most MaxSavedRollName characters
    std::string roll;  // in dice notation; one edited by hand may not be throwable
    friend bool operator==(const SavedRoll&, const SavedRoll&) = default;
};

// In the order the player gave them, which is the strip's order.
using SavedRolls = std::vector<SavedRoll>;

constexpr int MaxSavedRolls = 20;
constexpr int MaxSavedRollName = 24;

}  // namespace rollkin
