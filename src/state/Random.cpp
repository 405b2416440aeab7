#include "state/Random.h"

#include <bit>

namespace rollkin {

void Random::Randomize(float seed) {
    // The seed's bit pattern, so that seeds a fraction of a second apart differ.
    engine_.seed(std::bit_cast<std::uint32_t>(seed));
}

float Random::Rnd() {
    return DrawFromBits(static_cast<std::uint32_t>(engine_()));
}

float Random::DrawFromBits(std::uint32_t bits) {
    // 24 bits fill a float's mantissa exactly: no rounding can reach 1.0
    // (std::generate_canonical<float> can return 1.0 with libstdc++).
    constexpr float Scale = 1.0f / 16777216.0f;
    return static_cast<float>(bits >> 8) * Scale;
}

std::int64_t DieFace(std::int64_t faces, float r, float finer) {
    const auto high = static_cast<std::uint64_t>(r * 16777216.0f);
    const auto low = static_cast<std::uint64_t>(finer * 16777216.0f);
    const auto f = static_cast<std::uint64_t>(faces);
    return static_cast<std::int64_t>((high * f + ((low * f) >> 24)) >> 24) + 1;
}

}  // namespace rollkin
