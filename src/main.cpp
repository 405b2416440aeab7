#include <QApplication>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <utility>

#include "app/CommandLine.h"
#include "app/Program.h"
#include "forms/ProgramIcon.h"
#include "forms/frmRollkin.h"
#include "forms/frmScroller.h"
#include "platform/DisplayCheck.h"
#include "platform/QtDesktop.h"
#include "state/Random.h"

namespace {

// Runs work that the strip's first frame does not need once that frame is out, so that it does
// not hold the frame back. A strip that is never exposed (mapped on another desktop, say) gets
// it after half a second.
class AfterFirstFrame final : public QObject {
public:
    AfterFirstFrame(QWindow* strip, std::function<void()> work)
        : strip_(strip), work_(std::move(work)) {
        if (strip_ == nullptr) {
            Run();
            return;
        }
        strip_->installEventFilter(this);
        QTimer::singleShot(FallbackMs, this, [this] { Run(); });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        // Queued, so that the frame this exposure paints is sent first.
        if (event->type() == QEvent::Expose) QTimer::singleShot(0, this, [this] { Run(); });
        return false;
    }

private:
    static constexpr int FallbackMs = 500;

    void Run() {
        if (!work_) return;
        if (strip_ != nullptr) strip_->removeEventFilter(this);
        std::exchange(work_, nullptr)();
    }

    QWindow* strip_;
    std::function<void()> work_;
};

}  // namespace

int main(int argc, char** argv) {
    // --help, --version or a wrong argument: answered before any display is looked for.
    if (const std::optional<int> status = rollkin::AnswerCommandLine(argc, argv, stdout, stderr))
        return *status;
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

    QtDesktop desktop;
    Random rng;
    Program program(desktop, rng);
    AfterFirstFrame later(program.Rollkin().windowHandle(), [&program] {
        // Eight images decoded and sent to the X server: milliseconds the frame need not wait.
        QApplication::setWindowIcon(ProgramIcon());
        // After the icon, which the scroller's window then takes at its creation.
        program.Scroller().Prepare();
    });
    return QApplication::exec();
}
