// The roll engine's own figures: parsing and throwing a roll, timed by Google Benchmark; and what
// reading the settings file and the single-strip check add to a start. Run by run_bench.py, which
// prints the medians against their targets.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <string>

#include "app/SingleStrip.h"
#include "state/Roll.h"
#include "state/SettingsFile.h"

namespace {

// `head`, then `unit` up to `units` times, then spaces to exactly 1,000 characters, the most a
// roll may have.
std::string Long(const std::string& head, const std::string& unit, int units = 1000) {
    std::string s = head;
    for (int k = 0; k < units && s.size() + unit.size() <= 1000; ++k)
        s += unit;
    s.append(1000 - s.size(), ' ');
    return s;
}

std::string Repeated(const std::string& unit, int times) {
    std::string s;
    for (int k = 0; k < times; ++k)
        s += unit;
    return s;
}

void Roll(benchmark::State& state, const std::string& text) {
    rollkin::Random rng;
    rng.Randomize(1.0f);
    for (auto _ : state) {
        const rollkin::DiceRoll roll(text);
        rollkin::RollOutcome outcome = roll.Throw(rng);
        benchmark::DoNotOptimize(outcome);
    }
    state.SetLabel(std::to_string(text.size()) + " characters");
}

// What the start adds for a kept set-up: reading a file with 20 saved rolls and every setting.
void ReadFile(benchmark::State& state, int rolls) {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dicerollkin.conf"));
    rollkin::AppState s;
    rollkin::ResetSettings(s);
    s.FreePosition = s.MultiplierPermanent = rollkin::True;
    rollkin::SettingsFile written(path);
    if (!written.SetRolls(rollkin::SavedRolls(rolls, {"Longsword+2 of Speed", "d20+7, 1d8+4"})) ||
        !written.KeepSettings(s, {300, 200}))
        state.SkipWithError("the settings file could not be written");
    for (auto _ : state) {
        rollkin::SettingsFile file(path);
        file.Open();
        rollkin::AppState read = s;
        file.ReadSettings(read);
        benchmark::DoNotOptimize(read);
        benchmark::DoNotOptimize(file.Rolls());
    }
}

// A start's check with no strip running: no socket there, and no application object yet.
void SingleStripCheck(benchmark::State& state, const char* display) {
    for (auto _ : state) {
        rollkin::SingleStrip strip(rollkin::SingleStrip::NameFor("xcb", display, nullptr));
        benchmark::DoNotOptimize(strip.HandOver());
    }
}

}  // namespace

BENCHMARK_CAPTURE(ReadFile, settings_file, rollkin::MaxSavedRolls);
BENCHMARK_CAPTURE(Roll, simple, std::string("4d6dl1+1d8+3"));
BENCHMARK_CAPTURE(Roll, thousand_dice, std::string("1000d1000"));
// Candidates for the worst 1,000 characters: the most dice terms, the most operators, the
// deepest nesting, the most rolls, and the most dice with a sort and a count.
BENCHMARK_CAPTURE(Roll, long_terms, Long("d2", "+d2"));
BENCHMARK_CAPTURE(Roll, long_operators, Long("1", "*1"));
BENCHMARK_CAPTURE(Roll, long_negations, std::string(999, '-') + "1");
BENCHMARK_CAPTURE(Roll, long_nesting,
                  Long(std::string(32, '(') + "1000d1000000kh500>=500000" + std::string(32, ')'),
                       "/1"));
BENCHMARK_CAPTURE(Roll, long_rolls, Long("100d9dl9", ",100d9dl9", 9));
BENCHMARK_CAPTURE(Roll, long_explosions, Long("500d2!", "+1"));
BENCHMARK_CAPTURE(Roll, group, std::string("{4d6+2d8, 3d20+3}kh1"));
// Nine-again: tens and nines explode, eights and up succeed, ones take one away.
BENCHMARK_CAPTURE(Roll, pool, std::string("10d10!>=9>=8f1"));
BENCHMARK_CAPTURE(Roll, repeats, std::string("6x 4d6dl1"));
// The same candidates with the newer forms: the most sub-rolls in a group, the longest chain of
// powers, the most repeats of the longest roll they allow, and every modifier on the most dice.
BENCHMARK_CAPTURE(Roll, long_groups, "{d2" + Repeated(",d2", 330) + "}kh1");
BENCHMARK_CAPTURE(Roll, long_powers, Long("1", "^1"));
BENCHMARK_CAPTURE(Roll, long_repeats, std::string("20x 1d9r1!>=9kh1 [a label] + 1d2+1d2+1d2+1d2"));
BENCHMARK_CAPTURE(Roll, long_modifiers,
                  Long("60d9r1!>=9dl30>=5f1cs9cf1sdmi2ma8", ",60d9r1!>=9dl30>=5f1cs9cf1sdmi2ma8",
                       9));

BENCHMARK_CAPTURE(SingleStripCheck, single_strip_check, ":97531");

BENCHMARK_MAIN();
