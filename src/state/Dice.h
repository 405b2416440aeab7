#pragma once

#include <string>
#include <vector>

#include "state/AppState.h"
#include "state/Random.h"

namespace rollkin {

// Throws the slot's DiceMultiplier dice of DiceSides faces and returns the total.
// Only the generator's state changes. When faces is given, it receives each die's face in the
// order drawn.
Integer Throw(const AppState& state, int slot, Random& rng, std::vector<Integer>* faces = nullptr);

// The caption written on a button after a throw: the total's decimal digits.
std::string ResultCaption(Integer total);

// "d20", "3d6": the multiplier (left out when 1), "d", the number of faces.
std::string FaceLabel(const AppState& state, int slot);

// A throw as it is shown: which dice ("3d6"), each face in the order drawn, and the total.
struct ThrowRecord {
    std::string dice;
    std::vector<Integer> faces;
    Integer total = 0;
};

// Tooltip text of a throw, "3d6: 2 + 5 + 6 = 13", as Qt rich text: the highest faces bold, the
// lowest underlined (when they differ), ten dice to a line.
std::string ThrowTooltip(const ThrowRecord& record);

// Plain-text account of a throw for screen readers, "3d6: 2 + 5 + 6 = 13, highest 6, lowest 2".
// `extremes` words it in the reader's language: %1 the sum, %2 the highest face, %3 the lowest.
std::string ThrowDescription(const ThrowRecord& record,
                             const std::string& extremes = "%1, highest %2, lowest %3");

// The tooltip's text on one line: plain, "3d6: 2 + 5 + 6 = 13", or as Qt rich text with the
// same marks as the tooltip.
std::string ThrowLine(const ThrowRecord& record);
std::string ThrowLineMarkup(const ThrowRecord& record);

}  // namespace rollkin
