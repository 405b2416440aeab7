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

// The face, 1 to `faces`, that a draw r gives: floor(faces * r) + 1. A second draw `finer` adds 24
// bits below r's, for dice of many faces, which 24 bits would share out 6 % unevenly; the
// face is then floor(faces * (r + finer * 2^-24)) + 1. Worked out exactly in 64-bit integers
// for draws that are multiples of 2^-24 (a double would round the product), so every face owns
// floor or ceil of its share of the draws.
std::int64_t DieFace(std::int64_t faces, float r, float finer = 0);

}  // namespace rollkin
