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

// A set of saved rolls the player plays with under a name ("Rogue"), posted under its own Share
// name when it has one.
struct Character {
    std::string name;       // UTF-8, at most MaxSavedRollName characters; the first may have none
    std::string shareName;  // empty: Share's own name
    SavedRolls rolls;       // the strip's, at most MaxSavedRolls
    SavedRolls kept;        // beyond the strip's room, as a hand-edited file held them
    friend bool operator==(const Character&, const Character&) = default;
};

}  // namespace rollkin
