#pragma once

#include <cstdint>
#include <random>

namespace rollkin {

// The program-wide random generator: single-precision draws with 0 <= r < 1.
class Random {
public:
    virtual ~Random() = default;

    // Seeds the generator; the same seed always gives the same sequence.
    void Randomize(float seed);

    // Next draw: a multiple of 2^-24 in [0, 1 - 2^-24], so never 1.0 and never negative.
    virtual float Rnd();

    // Turns 32 random bits into a draw; exposed so the edge cases can be checked directly.
    static float DrawFromBits(std::uint32_t bits);

private:
    std::mt19937 engine_;
};

}  // namespace rollkin
