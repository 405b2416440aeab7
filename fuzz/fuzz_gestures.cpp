// libFuzzer target: the fuzzer's bytes choose the events (the same driver and invariants as the
// randomized gesture test), one fresh program per input.
#include <QAction>
#include <QApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "GestureDriver.h"
#include "forms/frmMenu.h"

using rollkin::test::ByteChoices;
using rollkin::test::GestureDriver;
using rollkin::test::Session;

namespace {

struct Screen {
    int w, h;
    float tpp;
};
constexpr Screen Screens[] = {{1024, 768, 15}, {1920, 1080, 12}, {800, 600, 15}, {3840, 2160, 6}};

// Longer inputs only repeat what shorter ones reach; this keeps every run quick.
constexpr int MaxEvents = 2000;

// The offscreen platform warns at every raise() of a dialog; thousands of runs a minute would
// bury the fuzzer's own output. Anything worse than a warning still shows.
void QuietWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
    if (type == QtFatalMsg) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietWarnings);
    static int argc = 1;
    static char name[] = "fuzz_gestures";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    // Every window once, so that fonts and styles are loaded before the first input: what Qt and
    // fontconfig keep for the rest of the run is then not taken for a leak of that input.
    for (const Screen& screen : Screens) {
        Session warmUp(0, screen.w, screen.h, screen.tpp);
        warmUp.program->Menu().mnuConfigure->trigger();
        warmUp.program->Menu().mnuAbout->trigger();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return -1;  // not worth keeping in the corpus
    ByteChoices choices(data, size);
    const Screen& screen = Screens[choices.Below(std::size(Screens))];
    Session session(choices.Below(256), screen.w, screen.h, screen.tpp);
    GestureDriver driver(session, rollkin::test::MixFromEnvironment());
    for (int k = 0; k < MaxEvents && !choices.Exhausted(); ++k) {
        driver.Step(choices);
        const std::string broken = driver.Check();
        if (!broken.empty()) {
            std::fprintf(stderr, "invariant broken at event #%d: %s\nlast events:\n%s", k,
                         broken.c_str(), driver.RecentEvents().c_str());
            std::abort();
        }
    }
    return 0;
}
