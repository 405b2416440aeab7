#pragma once

#include <cstdio>
#include <optional>

class QTranslator;

namespace rollkin {

// Answers --help, --version and --roll (with --seed), and refuses anything else, before any
// display is looked for. Returns the exit status when the program should end
// here, nothing when it should go on to show the strip. The answers are in the catalogue's
// language (null: in English).
std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::FILE* out,
                                     std::FILE* err, const QTranslator* catalogue = nullptr);

}  // namespace rollkin
