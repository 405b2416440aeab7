#include "app/CommandLine.h"

#include <QCoreApplication>
#include <QString>
#include <bit>
#include <random>
#include <string_view>
#include <vector>

#include "app/Terminal.h"
#include "app/Translation.h"
#include "forms/RollText.h"
#include "state/Random.h"
#include "state/Roll.h"

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
            "A strip of dice buttons, d2 to d100, that floats above your other windows.\n"
            "Without an option it shows the strip: left click a button to throw its dice,\n"
            "right click or right drag to choose how many, Shift and left press for the menu.\n"
            "\n"
            "Options:\n"
            "  -h, --help       print this help and exit\n"
            "      --version    print the version and exit\n"
            "      --roll ROLL  throw each ROLL, print its dice and total, and exit\n"
            "      --seed N     with --roll: the same N (0 to 4294967295) throws the same dice\n"
            "\n"
            "A roll is dice notation: NdM is N dice of M faces (N may be left out), d% is\n"
            "d100, NdF Fate dice; numbers, + - * / (rounding down) and parentheses. After a\n"
            "term, ! explodes its dice, khK klK dhK dlK keep or drop the K highest or lowest,\n"
            "and >=T >T <=T <T =T count the dice that meet T. Commas separate rolls.\n"
            "  dicerollkin --roll d20+7 2d20kh1 4d6dl1 '3d6!' '5d10>=7' 4dF 'd20+5, 2d6+3'\n"
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

// What --roll and --seed ask for.
struct Rolls {
    bool asked = false;
    std::vector<const char*> texts;
    const char* seed = nullptr;
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
    bool thrown = true;
    bool written = true;
    for (const char* text : rolls.texts) {
        const QString roll = FromTerminal(text);
        const RollOutcome outcome = DiceRoll(roll.toStdString()).Throw(rng);
        if (outcome.error) {
            Print(err, QStringLiteral("dicerollkin: %1: %2\n")
                           .arg(Shown(roll), RollErrorText(*outcome.error, catalogue)));
            thrown = false;
        } else {
            written =
                Print(out, QString::fromStdString(RollLine(outcome, words)) + '\n') && written;
        }
    }
    if (!written) {
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
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            help = true;
        } else if (arg == "--version") {
            version = true;
        } else if (arg == "--roll") {
            rolls.asked = true;
        } else if (arg == "--seed") {
            if (i + 1 == argc) return NeedsValue(err, catalogue, "--seed");
            rolls.seed = argv[++i];
        } else if (rolls.asked) {
            // After --roll every other argument is a roll, "-1+d6" too.
            rolls.texts.push_back(argv[i]);
        } else {
            Print(err, TranslateEarly(catalogue, "CommandLine",
                                      QT_TRANSLATE_NOOP("CommandLine",
                                                        "dicerollkin: unknown argument '%1'; "
                                                        "'dicerollkin --help' lists the options\n"))
                           .arg(Shown(FromTerminal(argv[i]))));
            return Misuse;
        }
    }
    if (!help && !version && !rolls.asked && rolls.seed != nullptr) {
        Print(err, TranslateEarly(catalogue, "CommandLine",
                                  QT_TRANSLATE_NOOP("CommandLine",
                                                    "dicerollkin: --seed needs --roll; "
                                                    "'dicerollkin --help' lists the options\n")));
        return Misuse;
    }
    if (!help && !version && rolls.asked) {
        if (rolls.texts.empty()) return NeedsValue(err, catalogue, "--roll");
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
