#include <QApplication>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

#include "app/Program.h"
#include "forms/ProgramIcon.h"
#include "forms/frmRollkin.h"
#include "platform/DisplayCheck.h"
#include "platform/QtDesktop.h"
#include "state/Random.h"

namespace {

// Gives the application its icon once the strip's first frame is out: decoding eight images
// and sending them to the window system would otherwise hold that frame back by milliseconds.
// A strip that is never exposed (mapped on another desktop, say) gets it a little later.
class IconAfterFirstFrame final : public QObject {
public:
    explicit IconAfterFirstFrame(QWindow* strip) : strip_(strip) {
        if (strip_ == nullptr) {
            SetIcon();
            return;
        }
        strip_->installEventFilter(this);
        QTimer::singleShot(FallbackMs, this, [this] { SetIcon(); });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        // Queued, so that the frame this exposure paints is sent first.
        if (event->type() == QEvent::Expose) QTimer::singleShot(0, this, [this] { SetIcon(); });
        return false;
    }

private:
    static constexpr int FallbackMs = 500;

    void SetIcon() {
        if (done_) return;
        done_ = true;
        if (strip_ != nullptr) strip_->removeEventFilter(this);
        QApplication::setWindowIcon(rollkin::ProgramIcon());
    }

    QWindow* strip_;
    bool done_ = false;
};

}  // namespace

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

    QtDesktop desktop;
    Random rng;
    Program program(desktop, rng);
    IconAfterFirstFrame icon(program.Rollkin().windowHandle());
    return QApplication::exec();
}
