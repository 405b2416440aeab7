// The roll engine under libFuzzer: any text is parsed and, when it parses, thrown; every
// total must lie within the bounds the engine works out for its roll, and no input may take over 10
// ms of CPU time (libFuzzer's -timeout counts whole seconds only).
#include <time.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "state/Roll.h"

namespace {

double CpuMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void Check(const rollkin::DiceRoll& roll, const rollkin::RollOutcome& outcome) {
    for (std::size_t k = 0; k < outcome.parts.size(); ++k) {
        const rollkin::RollBounds b = roll.Bounds(static_cast<int>(k));
        const rollkin::RollValue total = outcome.parts[k].total;
        if (total < b.min || total > b.max) {
            std::fprintf(stderr, "roll %zu: total %lld outside [%lld, %lld]\n", k,
                         static_cast<long long>(total), static_cast<long long>(b.min),
                         static_cast<long long>(b.max));
            std::abort();
        }
    }
    if (outcome.error || outcome.parts.empty()) return;
    // The line ends with the last roll's total, and its note, in both forms.
    std::string end = " = " + std::to_string(outcome.parts.back().total);
    if (!outcome.note.empty()) end += " # " + outcome.note;
    if (end.find_first_of("<>&") != std::string::npos) return;  // the markup escapes those
    const std::string line = rollkin::RollLine(outcome);
    const std::string markup = rollkin::RollLineMarkup(outcome);
    if (line.size() < end.size() || line.compare(line.size() - end.size(), end.size(), end) != 0 ||
        markup.find(end + "</nobr>") == std::string::npos) {
        std::fprintf(stderr, "line without its total: %s\n", line.c_str());
        std::abort();
    }
}

// Parses, throws and checks one input; the CPU time it took in milliseconds.
double Run(std::string_view text) {
    const double start = CpuMilliseconds();
    const rollkin::DiceRoll roll(text);
    if (!roll.Error()) {
        rollkin::Random rng;
        rng.Randomize(static_cast<float>(text.size()));
        Check(roll, roll.Throw(rng));
    }
    return CpuMilliseconds() - start;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // A slow run is tried twice more: the sanitizers' allocator now and then stalls a run on
    // returning memory, which is not the input's doing. Slow three times is.
    double fastest = Run(text);
    for (int again = 0; again < 2 && fastest > 10.0; ++again)
        fastest = std::min(fastest, Run(text));
    if (fastest > 10.0) {
        std::fprintf(stderr, "an input took %.2f ms\n", fastest);
        std::abort();
    }
    return 0;
}
