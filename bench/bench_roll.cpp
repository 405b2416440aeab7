// The roll engine's own figures: parsing and throwing a roll, timed by Google Benchmark; and what
// reading the settings file and the single-strip check add to a start. Run by run_bench.py, which
// prints the medians against their targets.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <string>

#include "app/SingleStrip.h"
#include "state/Odds.h"
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

// A roll's exact odds, parsed once.
void OddsOf(benchmark::State& state, const std::string& text) {
    const rollkin::DiceRoll roll(text);
    for (auto _ : state) {
        std::vector<rollkin::PartOdds> odds = rollkin::RollOdds(roll);
        benchmark::DoNotOptimize(odds);
    }
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

BENCHMARK_CAPTURE(OddsOf, odds_3d6, std::string("3d6"));
BENCHMARK_CAPTURE(OddsOf, odds_2d20kh1_5, std::string("2d20kh1+5"));
BENCHMARK_CAPTURE(OddsOf, odds_4d6dl1, std::string("4d6dl1"));
BENCHMARK_CAPTURE(OddsOf, odds_8d6, std::string("8d6"));
BENCHMARK_CAPTURE(OddsOf, odds_100d100, std::string("100d100"));
BENCHMARK_CAPTURE(OddsOf, odds_10d10x, std::string("10d10!"));
BENCHMARK_CAPTURE(OddsOf, odds_1000d6, std::string("1000d6"));
// What a saved roll's average and range add to a start, for each saved roll.
BENCHMARK_CAPTURE(OddsOf, odds_saved_roll, std::string("d20+7, 1d8+4"));
// Candidates for the slowest answer or refusal: each just under or over the limit on steps.
BENCHMARK_CAPTURE(OddsOf, odds_worst_sum, std::string("1000d100"));
BENCHMARK_CAPTURE(OddsOf, odds_worst_keep, std::string("1000d6kh3"));
BENCHMARK_CAPTURE(OddsOf, odds_worst_explode_keep, std::string("30d6!kh15"));
BENCHMARK_CAPTURE(OddsOf, odds_worst_product, std::string("d4000*d4000"));
BENCHMARK_CAPTURE(OddsOf, odds_worst_wide, std::string("d1000000+d19"));
BENCHMARK_CAPTURE(OddsOf, odds_worst_rolls, Long("100d100", ",100d100", 9));
BENCHMARK_CAPTURE(OddsOf, odds_worst_terms, Long("d2", "+d2"));
BENCHMARK_CAPTURE(OddsOf, odds_worst_nesting,
                  Long(std::string(32, '(') + "1000d1000000kh500>=500000" + std::string(32, ')'),
                       "/1"));

BENCHMARK_CAPTURE(SingleStripCheck, single_strip_check, ":97531");

BENCHMARK_MAIN();
