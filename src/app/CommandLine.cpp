#include "app/CommandLine.h"

#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "app/Terminal.h"
#include "app/Translation.h"
#include "state/Random.h"
#include "state/Roll.h"
#include "text/OddsText.h"
#include "text/RollText.h"

namespace rollkin {

namespace {

constexpr int Misuse = 2;  // the status shells and getopt programs use for a bad argument

// Written whole, and flushed, so that a full disk or a closed pipe is seen here.
bool Print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = ToTerminal(text);
    return std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream) ==
               static_cast<size_t>(bytes.size()) &&
           std::fflush(stream) == 0;
}

// An argument as it may be echoed in a message: one line, control characters escaped.
QString Shown(const QString& text) {
    return QString::fromStdString(EscapedControls(text.toStdString()));
}

QString Help(const QTranslator* catalogue) {
    return TranslateEarly(
        catalogue, "CommandLine",
        QT_TRANSLATE_NOOP(
            "CommandLine",
            "Usage: dicerollkin [OPTION]\n"
            "       dicerollkin [--seed N] --roll ROLL [ROLL ...]\n"
            "       dicerollkin --odds ROLL [ROLL ...]\n"
            "A strip of dice buttons, d2 to d100, that floats above your other windows.\n"
            "Without an option it shows the strip: left click a button to throw its dice,\n"
            "right click or right drag to choose how many, Shift and left press for the menu.\n"
            "\n"
            "Options:\n"
            "  -h, --help       print this help and exit\n"
            "      --version    print the version and exit\n"
            "      --roll ROLL  throw each ROLL, print its dice and total, and exit\n"
            "      --seed N     with --roll: the same N (0 to 4294967295) throws the same dice\n"
            "      --odds ROLL  print the exact chance of each total of each ROLL, and exit\n"
            "\n"
            "A roll is dice notation: NdM is N dice of M faces (N may be left out), d% is\n"
            "d100, NdF Fate dice; numbers, + - * / % ^ and parentheses, in a count or a\n"
            "number of faces too: (2*3)d6. After a term, in any order, each once:\n"
            "  ! !>=9 !! !p      explode on the highest face or on the compare point;\n"
            "                    compound into one die; penetrate (added dice count 1 less)\n"
            "  r r<3 ro          reroll while a die meets the point (r: lowest face); once\n"
            "  khK klK dhK dlK   keep or drop the K highest or lowest\n"
            "  >=T >T <=T <T =T <>T  count the dice that meet T; f1 after it counts failures\n"
            "  cs>=19 cf1        name critical successes and failures\n"
            "  s sd mi2 ma5      sort the dice up or down; raise each die to 2, lower to 5\n"
            "{R, R}kh1 keeps the best of a group's rolls, {R, R}>10 counts those over 10;\n"
            "6x R is six rolls of R; R [text] labels a roll; # text ends it with a note.\n"
            "Commas separate up to 20 rolls.\n"
            "  dicerollkin --roll d20+7 4d6dl1 '3d6!' 4dF '10d10>=7f1' '{d8!, d6!}kh1' \\\n"
            "      '6x 4d6dl1' 'd20+5 [to hit], 2d6+3 [slashing] # sneak'\n"
            "\n"
            "The manual: man dicerollkin\n"));
}

int NeedsValue(std::FILE* err, const QTranslator* catalogue, const char* option) {
    Print(err, TranslateEarly(catalogue, "CommandLine",
                              QT_TRANSLATE_NOOP("CommandLine",
                                                "dicerollkin: '%1' needs a value; "
                                                "'dicerollkin --help' lists the options\n"))
                   .arg(QLatin1String(option)));
    return Misuse;
}

// What --roll, --odds and --seed ask for.
struct Rolls {
    bool asked = false;
    std::vector<const char*> texts;
    const char* seed = nullptr;
    bool oddsAsked = false;
    std::vector<const char*> odds;
};

// --seed's value, 0 to 2^32 - 1, and nothing else.
std::optional<std::uint32_t> ParseSeed(std::string_view text) {
    if (text.empty() || text.size() > 10) return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value > UINT32_MAX) return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

// A chance as a decimal with 10 significant digits, never in exponent form.
std::string Chance(double p) {
    if (p <= 0) return "0";
    // The exponent after rounding to 10 digits: 0.99999999999 is written 1.000000000.
    char rounded[32];
    std::snprintf(rounded, sizeof rounded, "%.9e", p);
    const int digits = std::max(0, 9 - std::atoi(std::strchr(rounded, 'e') + 1));
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", std::min(digits, 340), p);
    return text;
}

// A header line, then "VALUE<TAB>P(=VALUE)<TAB>P(>=VALUE)" for each total; a last comment line
// gives the chance of no total, when there is one.
std::string OddsTable(const PartOdds& part) {
    const Odds& o = part.odds;
    // Every throw divides by zero: no total to list.
    if (o.p.empty())
        return "# " + part.text + ": no total\n# no total: " + Chance(o.noTotal) + '\n';
    char head[200];
    std::snprintf(head, sizeof head, ": min %lld, max %lld, mean %.4f, sd %.4f\n",
                  static_cast<long long>(o.Min()), static_cast<long long>(o.Max()), o.Mean(),
                  o.Sd());
    std::string out = "# " + part.text + head;
    double atLeast = 0;
    std::vector<std::string> lines(o.p.size());
    // From the top, so that P(>=VALUE) adds the small chances first.
    for (std::size_t i = o.p.size(); i-- > 0;) {
        atLeast += o.p[i];
        lines[i] = std::to_string(o.lo + static_cast<RollValue>(i)) + '\t' + Chance(o.p[i]) + '\t' +
                   Chance(atLeast) + '\n';
    }
    for (const std::string& line : lines)
        out += line;
    if (o.noTotal > 0) out += "# no total: " + Chance(o.noTotal) + '\n';
    return out;
}

// Standard output in large writes: a flush a line would cost more than the throw itself. What is
// held is written before any message on standard error, so that on a terminal both keep their
// order.
class Output {
public:
    Output(std::FILE* stream, bool utf8) : stream_(stream), utf8_(utf8) {}
    // `text` in UTF-8, as the engine writes it.
    void Add(const std::string& text) {
        if (utf8_) {
            held_ += text;
        } else {
            const QByteArray bytes = ToTerminal(QString::fromStdString(text));
            held_.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        }
        if (held_.size() >= Chunk) Flush();
    }
    // False once a write has failed.
    bool Flush() {
        written_ = std::fwrite(held_.data(), 1, held_.size(), stream_) == held_.size() &&
                   std::fflush(stream_) == 0 && written_;
        held_.clear();
        return written_;
    }

private:
    static constexpr std::size_t Chunk = 64 * 1024;
    std::FILE* stream_;
    bool utf8_;
    bool written_ = true;
    std::string held_;
};

// A roll from the command line for the engine, in UTF-8. ASCII on a UTF-8 terminal, which rolls
// nearly always are, is taken as it is.
std::string RollFromArgument(const char* text, bool utf8) {
    if (utf8 && std::all_of(text, text + std::strlen(text),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return text;
    return FromTerminal(text).toStdString();
}

// Prints the odds of each roll; false when one cannot be worked out.
bool PrintOdds(const Rolls& rolls, Output& out, std::FILE* err, const QTranslator* catalogue) {
    bool answered = true;
    for (const char* text : rolls.odds) {
        const QString roll = FromTerminal(text);
        const DiceRoll parsed(roll.toStdString());
        if (parsed.Error()) {
            out.Flush();
            Print(err, QStringLiteral("dicerollkin: %1: %2\n")
                           .arg(Shown(roll), RollErrorText(*parsed.Error(), catalogue)));
            answered = false;
            continue;
        }
        for (const PartOdds& part : RollOdds(parsed)) {
            if (part.error) {
                out.Flush();
                Print(err, QStringLiteral("dicerollkin: %1: %2\n")
                               .arg(Shown(QString::fromStdString(part.text)),
                                    OddsErrorText(*part.error, catalogue)));
                answered = false;
                continue;
            }
            out.Add(OddsTable(part));
        }
    }
    return answered;
}

// Throws each roll and prints its line; the status as the command line promises it.
int ThrowRolls(const Rolls& rolls, std::FILE* out, std::FILE* err, const QTranslator* catalogue) {
    std::uint32_t seed = 0;
    if (rolls.seed != nullptr) {
        const std::optional<std::uint32_t> given = ParseSeed(rolls.seed);
        if (!given) {
            Print(err, TranslateEarly(catalogue, "CommandLine",
                                      QT_TRANSLATE_NOOP("CommandLine",
                                                        "dicerollkin: the seed '%1' is not a "
                                                        "whole number from 0 to 4294967295\n"))
                           .arg(Shown(FromTerminal(rolls.seed))));
            return Misuse;
        }
        seed = *given;
    } else {
        // Two runs in the same microsecond still differ, which the time of day cannot promise.
        seed = std::random_device{}();
    }
    Random rng;
    // The seed's 32 bits as they are: Randomize seeds with the bit pattern of its float.
    rng.Randomize(std::bit_cast<float>(seed));
    const RollWords words = RollWordsText(catalogue);
    const bool utf8 = TerminalIsUtf8();
    Output lines(out, utf8);
    bool thrown = PrintOdds(rolls, lines, err, catalogue);
    std::string line;
    for (const char* text : rolls.texts) {
        const std::string roll = RollFromArgument(text, utf8);
        const RollOutcome outcome = DiceRoll(roll).Throw(rng);
        if (outcome.error) {
            lines.Flush();
            Print(err, QStringLiteral("dicerollkin: %1: %2\n")
                           .arg(Shown(QString::fromStdString(roll)),
                                RollErrorText(*outcome.error, catalogue)));
            thrown = false;
        } else {
            line = RollLine(outcome, words);
            line += '\n';
            lines.Add(line);
        }
    }
    if (!lines.Flush()) {
        Print(err,
              TranslateEarly(catalogue, "CommandLine",
                             QT_TRANSLATE_NOOP("CommandLine",
                                               "dicerollkin: cannot write to standard output\n")));
        return 1;
    }
    return thrown ? 0 : Misuse;
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::FILE* out,
                                     std::FILE* err, const QTranslator* catalogue) {
    if (argc <= 1) return std::nullopt;
    bool help = false;
    bool version = false;
    Rolls rolls;
    bool odds = false;  // the rolls that follow are for --odds
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            help = true;
        } else if (arg == "--version") {
            version = true;
        } else if (arg == "--roll") {
            rolls.asked = true;
            odds = false;
        } else if (arg == "--odds") {
            rolls.oddsAsked = true;
            odds = true;
        } else if (arg == "--seed") {
            if (i + 1 == argc) return NeedsValue(err, catalogue, "--seed");
            rolls.seed = argv[++i];
        } else if (rolls.asked || rolls.oddsAsked) {
            // After --roll or --odds every other argument is a roll, "-1+d6" too.
            (odds ? rolls.odds : rolls.texts).push_back(argv[i]);
        } else {
            Print(err, TranslateEarly(catalogue, "CommandLine",
                                      QT_TRANSLATE_NOOP("CommandLine",
                                                        "dicerollkin: unknown argument '%1'; "
                                                        "'dicerollkin --help' lists the options\n"))
                           .arg(Shown(FromTerminal(argv[i]))));
            return Misuse;
        }
    }
    if (!help && !version && !rolls.asked && !rolls.oddsAsked && rolls.seed != nullptr) {
        Print(err, TranslateEarly(catalogue, "CommandLine",
                                  QT_TRANSLATE_NOOP("CommandLine",
                                                    "dicerollkin: --seed needs --roll; "
                                                    "'dicerollkin --help' lists the options\n")));
        return Misuse;
    }
    if (!help && !version && (rolls.asked || rolls.oddsAsked)) {
        if (rolls.oddsAsked && rolls.odds.empty()) return NeedsValue(err, catalogue, "--odds");
        if (rolls.asked && rolls.texts.empty()) return NeedsValue(err, catalogue, "--roll");
        return ThrowRolls(rolls, out, err, catalogue);
    }
    const QString text =
        help ? Help(catalogue) : QStringLiteral("dicerollkin " ROLLKIN_VERSION "\n");
    if (Print(out, text)) return 0;
    Print(err, TranslateEarly(catalogue, "CommandLine",
                              QT_TRANSLATE_NOOP("CommandLine",
                                                "dicerollkin: cannot write to standard output\n")));
    return 1;
}

}  // namespace rollkin
