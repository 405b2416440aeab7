// The roll engine's own figures: parsing and throwing a roll, timed by Google Benchmark; and what
// reading the settings file and the single-strip check add to a start. Run by run_bench.py, which
// prints the medians against their targets.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "app/SingleStrip.h"
#include "settings/SettingsFile.h"
#include "state/Odds.h"
#include "state/Roll.h"

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

// The largest file a start reads that a write still fits: 1 MiB less 4 KiB, of saved rolls or of
// keys the program does not know, with every setting.
QByteArray LargestFile(bool rolls) {
    QByteArray text =
        "[Settings]\nRemember=true\nFreePosition=true\nMultiplierPermanent=true\n"
        "Left=300\nTop=200\n";
    text += rolls ? "[Rolls]\n" : "[Other]\n";
    for (int i = 1; text.size() < rollkin::SettingsFile::MaxBytes - 4096; ++i) {
        text += rolls
                    ? QByteArray::number(i) + "\\name=Roll " + QByteArray::number(i) + "\n" +
                          QByteArray::number(i) + "\\roll=d20+" + QByteArray::number(i % 10) + "\n"
                    : "key" + QByteArray::number(i) + "=value " + QByteArray::number(i) + "\n";
    }
    return text;
}

// What a gesture waits for when it writes the file: a Ctrl+drag's place (or a multiplier) kept,
// or a saved roll renamed in the Rolls window, at the largest file. The write itself runs on
// the file's own thread, settled outside the timing.
enum class Gesture { KeepPlace, RenameRoll, RemoveRoll };

void WriteAtLargestFile(benchmark::State& state, Gesture gesture) {
    const bool rolls = gesture != Gesture::KeepPlace;
    // The thread's ends are told through the event queue, as in the program.
    int argc = 1;
    char name[] = "bench_roll";
    char* argv[] = {name, nullptr};
    const QCoreApplication app(argc, argv);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dicerollkin.conf"));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(LargestFile(rolls)) < 0) return;
    out.close();
    rollkin::SettingsFile file(path);
    if (file.Open() != rollkin::SettingsFile::Opened::Read) state.SkipWithError("not read");
    bool failed = false;
    file.WriteInBackground([&failed](bool ok) { failed = failed || !ok; });
    rollkin::AppState s;
    rollkin::ResetSettings(s);
    s.FreePosition = s.MultiplierPermanent = rollkin::True;
    rollkin::SavedRolls shown = file.Rolls();
    int moves = 0;
    for (auto _ : state) {
        ++moves;
        if (gesture == Gesture::RemoveRoll && !shown.empty()) {
            // Every roll kept beyond the strip moves up by one.
            shown.erase(shown.begin());
            file.SetRolls(shown);
            shown = file.Rolls();
        } else if (gesture == Gesture::RenameRoll && !shown.empty()) {
            shown[0].name = "Renamed " + std::to_string(moves);
            file.SetRolls(shown);
        } else {
            file.KeepSettings(s, {300 + moves % 50, 200});
        }
        state.PauseTiming();
        file.Settle();
        state.ResumeTiming();
    }
    if (failed) state.SkipWithError("a write failed");
}

// The write itself, on its thread: the file read again under its lock, changed, written whole.
void MergeAtLargestFile(benchmark::State& state) {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dicerollkin.conf"));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(LargestFile(false)) < 0) return;
    out.close();
    rollkin::SettingsFile file(path);
    file.Open();
    rollkin::AppState s;
    rollkin::ResetSettings(s);
    s.FreePosition = rollkin::True;
    int moves = 0;
    for (auto _ : state) {
        if (!file.KeepSettings(s, {300 + ++moves % 50, 200})) state.SkipWithError("not written");
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
BENCHMARK_CAPTURE(WriteAtLargestFile, keep_place_1mib_of_keys, Gesture::KeepPlace)->Iterations(50);
BENCHMARK_CAPTURE(WriteAtLargestFile, rename_roll_1mib_of_rolls, Gesture::RenameRoll)
    ->Iterations(50);
BENCHMARK_CAPTURE(WriteAtLargestFile, remove_roll_1mib_of_rolls, Gesture::RemoveRoll)
    ->Iterations(10);
BENCHMARK(MergeAtLargestFile)->Iterations(20);
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
