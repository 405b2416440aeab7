// The program: the command line's answers on Qt's core alone, and the strip from the window
// module (src/main.cpp), which brings the window libraries only when the strip is shown.
#include <QTranslator>
#include <cstdio>
#include <optional>

#include "app/CommandLine.h"
#include "app/Translation.h"
#include "app/WindowModule.h"

int main(int argc, char** argv) {
    using namespace rollkin;
    // Loaded first, for the answers to the command line, the display check's error lines and the
    // windows, whose texts are translated as they are built.
    QTranslator catalogue;
    QTranslator* const language = LoadDesktopCatalogue(catalogue) ? &catalogue : nullptr;
    // --help, --version, --roll, --odds or a wrong argument: answered before any display is
    // looked for.
    if (const std::optional<int> status = AnswerCommandLine(argc, argv, stdout, stderr, language))
        return *status;
    const ShowStrip show = LoadWindowModule(stderr, language);
    return show != nullptr ? show(&argc, argv, language) : 1;
}
