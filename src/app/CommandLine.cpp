#include "app/CommandLine.h"

#include <QCoreApplication>
#include <QString>
#include <string_view>

#include "app/Translation.h"

namespace rollkin {

namespace {

constexpr int Misuse = 2;  // the status shells and getopt programs use for a bad argument

// Written whole, and flushed, so that a full disk or a closed pipe is seen here.
bool Print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    return std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream) ==
               static_cast<size_t>(bytes.size()) &&
           std::fflush(stream) == 0;
}

QString Help(const QTranslator* catalogue) {
    return TranslateEarly(
        catalogue, "CommandLine",
        QT_TRANSLATE_NOOP(
            "CommandLine",
            "Usage: dicerollkin [OPTION]\n"
            "A strip of dice buttons, d2 to d100, that floats above your other windows.\n"
            "Without an option it shows the strip: left click a button to throw its dice,\n"
            "right click or right drag to choose how many, Shift and left press for the menu.\n"
            "\n"
            "Options:\n"
            "  -h, --help     print this help and exit\n"
            "      --version  print the version and exit\n"
            "\n"
            "The manual: man dicerollkin\n"));
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::FILE* out,
                                     std::FILE* err, const QTranslator* catalogue) {
    if (argc <= 1) return std::nullopt;
    bool help = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            help = true;
        } else if (arg != "--version") {
            Print(err, TranslateEarly(catalogue, "CommandLine",
                                      QT_TRANSLATE_NOOP("CommandLine",
                                                        "dicerollkin: unknown argument '%1'; "
                                                        "'dicerollkin --help' lists the options\n"))
                           .arg(QString::fromLocal8Bit(argv[i])));
            return Misuse;
        }
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
