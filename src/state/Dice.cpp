#include "state/Dice.h"

#include <cmath>

namespace rollkin {

Integer DieFace(float sides, float r) {
    // Two 24-bit mantissas multiply exactly in a double, so a product just below a whole
    // number stays below it; rounding it to float first could give a face too many.
    const double product = static_cast<double>(sides) * static_cast<double>(r);
    return static_cast<Integer>(static_cast<Integer>(std::floor(product)) + 1);
}

Integer Throw(const AppState& state, int slot, Random& rng) {
    const Integer n = state.DiceMultiplier(slot);
    const auto sides = static_cast<float>(state.DiceSides(slot));
    Integer total = 0;
    for (Integer k = 1; k <= n; ++k) {
        total = static_cast<Integer>(total + DieFace(sides, rng.Rnd()));
    }
    return total;
}

std::string ResultCaption(Integer total) {
    return std::to_string(total);
}

std::string FaceLabel(const AppState& state, int slot) {
    const Integer multiplier = state.DiceMultiplier(slot);
    std::string label = multiplier == 1 ? std::string() : std::to_string(multiplier);
    label += 'd';
    label += std::to_string(state.DiceSides(slot));
    return label;
}

}  // namespace rollkin
