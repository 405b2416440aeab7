// The strip's start: the window module's one entry, which the program calls once the command
// line has asked for no other answer.
#include <QApplication>
#include <QTimer>
#include <QTranslator>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/Program.h"
#include "app/SingleStrip.h"
#include "app/Terminal.h"
#include "app/WindowModule.h"
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

// Qt aborts when its platform plugin cannot be loaded or started. Until the application stands,
// Qt's messages are held: a fatal one becomes the one line of `failure` (Qt's own messages when
// that is empty) and status 1, the others are passed on once start-up has gone well.
class StartupMessages {
public:
    explicit StartupMessages(std::string failure) {
        failure_ = std::move(failure);
        previous_ = qInstallMessageHandler(&Hold);
    }
    ~StartupMessages() {
        qInstallMessageHandler(previous_);
        for (const Held& h : held_)
            qt_message_output(h.type, QMessageLogContext(nullptr, 0, nullptr, h.category),
                              h.message);
        held_.clear();
    }

private:
    // Category names are the categories' own static strings.
    struct Held {
        QtMsgType type;
        const char* category;
        QString message;
    };

    static void Hold(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (type == QtFatalMsg) {
            if (failure_.empty()) {  // Qt's own account: what led to the failure, and the failure
                for (const Held& h : held_)
                    std::fprintf(stderr, "%s\n", rollkin::ToTerminal(h.message).constData());
                failure_ = message.toStdString();
            }
            std::fprintf(stderr, "%s\n",
                         rollkin::ToTerminal(QString::fromStdString(failure_)).constData());
            std::_Exit(1);
        }
        held_.push_back({type, context.category, message});
    }

    static inline std::string failure_;
    static inline QtMessageHandler previous_ = nullptr;
    static inline std::vector<Held> held_;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) int rollkin_show_strip(int* argc, char** argv,
                                                                         QTranslator* catalogue) {
    using namespace rollkin;
    const DisplayEnvironment env{std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                                 std::getenv("WAYLAND_DISPLAY"), &CanConnectX11, catalogue};
    const DisplayChoice choice = ChooseDisplay(env);
    if (!choice.error.empty()) {
        std::fprintf(stderr, "%s\n", ToTerminal(QString::fromStdString(choice.error)).constData());
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", choice.platform.c_str());
    // A strip already on this desktop comes forward in place of a second one.
    SingleStrip single(SingleStrip::NameFor(choice.platform, env.display, env.waylandDisplay));
    if (single.HandOver()) return 0;

    std::optional<StartupMessages> startup(std::in_place, PlatformFailure(env, choice.platform));
    QApplication app(*argc, argv);
    startup.reset();
    QApplication::setApplicationName(QStringLiteral("dicerollkin"));
    QGuiApplication::setDesktopFileName(QStringLiteral("dicerollkin"));
    // The strip's unload or the menu's Exit ends the run, not the closing of some other window.
    QApplication::setQuitOnLastWindowClosed(false);
    // Installed once the application exists, before the first window, whose texts are translated
    // as it is built.
    if (catalogue != nullptr) QCoreApplication::installTranslator(catalogue);
    single.Listen();  // before the strip, so that a start meanwhile finds it
    if (const QString problem = single.Problem(); !problem.isEmpty())
        std::fprintf(stderr, "%s\n", ToTerminal(problem).constData());

    QtDesktop desktop;
    Random rng;
    // The one place that lets the program reach the network.
    Program program(desktop, rng, [] { return TransportModule::New(TransportModule::Folders()); });
    program.Start();
    QObject::connect(&single, &SingleStrip::ComeForwardAsked,
                     [&program] { program.BringForward(); });
    AfterFirstFrame later(program.Rollkin().windowHandle(), [&program] {
        // Eight images decoded and sent to the X server: milliseconds the frame need not wait.
        QApplication::setWindowIcon(ProgramIcon());
        // After the icon, which the scroller's window then takes at its creation.
        program.Scroller().Prepare();
    });
    return QApplication::exec();
}
