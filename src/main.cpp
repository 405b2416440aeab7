#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/Program.h"
#include "forms/ProgramIcon.h"
#include "platform/DisplayCheck.h"
#include "platform/QtDesktop.h"
#include "state/Random.h"

int main(int argc, char** argv) {
    using namespace rollkin;
    const DisplayChoice choice =
        ChooseDisplay({std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                       std::getenv("WAYLAND_DISPLAY"), &CanConnectX11});
    if (!choice.error.empty()) {
        std::fprintf(stderr, "%s\n", choice.error.c_str());
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", choice.platform.c_str());

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dicerollkin"));
    QGuiApplication::setDesktopFileName(QStringLiteral("dicerollkin"));
    // The strip's unload or the menu's Exit ends the run, not the closing of some other window.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(ProgramIcon());

    QtDesktop desktop;
    Random rng;
    Program program(desktop, rng);
    program.Rollkin();
    return QApplication::exec();
}
