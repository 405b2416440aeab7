#include "state/Random.h"

#include <bit>
#include <chrono>
#include <ctime>

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

float SecondsSinceMidnight() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto sub = duration_cast<microseconds>(now.time_since_epoch()) % seconds(1);
    const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
                           static_cast<double>(sub.count()) / 1e6;
    return static_cast<float>(seconds);
}

}  // namespace rollkin
