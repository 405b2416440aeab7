#pragma once

#include <string>

#include "state/AppState.h"
#include "state/Random.h"

namespace rollkin {

// Throws the slot's DiceMultiplier dice of DiceSides faces and returns the total.
// Only the generator's state changes.
Integer Throw(const AppState& state, int slot, Random& rng);

// The caption written on a button after a throw: the total's decimal digits.
std::string ResultCaption(Integer total);

// "d20", "3d6": the multiplier (left out when 1), "d", the number of faces.
std::string FaceLabel(const AppState& state, int slot);

// One die of `sides` faces for the draw r: floor of the exact product, plus 1.
Integer DieFace(float sides, float r);

}  // namespace rollkin
