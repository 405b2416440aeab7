#include "platform/QtDesktop.h"

#include <QAbstractNativeEventFilter>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <utility>

#include "platform/CloseRequests.h"
#include "platform/GlobalKeys.h"
#include "platform/Monitors.h"
#include "platform/StayOnTop.h"

namespace rollkin {

namespace {

constexpr float TwipsPerInch = 1440.0f;
// How long the monitors' changes of one moment take to arrive, in milliseconds.
constexpr int MonitorsSettleMs = 50;

QScreen* PrimaryScreen() {
    return QGuiApplication::primaryScreen();
}

float TwipsPerPixel(qreal logicalDpi) {
    // A screen that reports no dpi is taken as the common 96.
    return TwipsPerInch / static_cast<float>(logicalDpi > 0 ? logicalDpi : 96.0);
}

// Reports a window's frame margins whenever the window is exposed or moved and they differ from
// the last ones reported: window managers put the frame on and announce it in their own order.
class FrameWatch final : public QObject {
public:
    FrameWatch(QWindow* window, QMargins known, std::function<void(const QMargins&)> changed)
        : window_(window), known_(known), changed_(std::move(changed)) {
        window_->installEventFilter(this);
    }
    ~FrameWatch() override { window_->removeEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if ((event->type() == QEvent::Expose || event->type() == QEvent::Move) &&
            window_->isVisible() && window_->frameMargins() != known_) {
            known_ = window_->frameMargins();
            changed_(known_);
        }
        return false;
    }

private:
    QWindow* window_;
    QMargins known_;
    std::function<void(const QMargins&)> changed_;
};

// The time of day in seconds since local midnight, as a single-precision number.
float SecondsSinceMidnight() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto sub = duration_cast<microseconds>(now.time_since_epoch()) % seconds(1);
    const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
                           static_cast<double>(sub.count()) / 1e6;
    return static_cast<float>(seconds);
}

// A few lines beside the strip that leave the focus and the strip alone: a window the window
// manager does not handle, as the scroller, so no desktop gives it the keyboard.
class NoticeWindow final : public QWidget {
public:
    NoticeWindow()
        : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::WindowDoesNotAcceptFocus | Qt::X11BypassWindowManagerHint) {
        setObjectName(QStringLiteral("frmNotice"));
        setAttribute(Qt::WA_ShowWithoutActivating);
        setFocusPolicy(Qt::NoFocus);
        setAccessibleName(QString::fromLatin1(AppTitle));
        setAutoFillBackground(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
        colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
        setPalette(colours);
        text_ = new QLabel(this);
        text_->setTextFormat(Qt::PlainText);  // an answer from outside is never markup
        text_->setWordWrap(true);
        text_->setFocusPolicy(Qt::NoFocus);
        text_->setFrameShape(QFrame::Box);
        text_->setMargin(6);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(text_);
    }

    // The text joins those still shown, the newest last; the oldest go beyond a few.
    void Add(const QString& text) {
        if (isHidden()) lines_.clear();
        // Bounded, whatever an answer from outside holds.
        lines_.append(text.size() > MaxChars ? text.left(MaxChars - 3) + QStringLiteral("...")
                                             : text);
        while (lines_.size() > MaxLines)
            lines_.removeFirst();
        text_->setText(lines_.join(QStringLiteral("\n\n")));
        setFixedWidth(WidthPx);
        adjustSize();
    }

    // Says the text as an alert to a screen reader.
    void Announce() {
        QAccessibleEvent alert(text_, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        event->accept();
        hide();
    }

private:
    static constexpr int MaxLines = 4;
    static constexpr qsizetype MaxChars = 600;
    static constexpr int WidthPx = 320;
    QLabel* text_;
    QStringList lines_;
};

}  // namespace

QtDesktop::QtDesktop()
    : closeRequests_(PassCloseRequests()), globalKeys_(NewGlobalKeys(globalKeysReason_)) {}

// The filter takes itself out of the application as it goes.
QtDesktop::~QtDesktop() = default;

QRect QtDesktop::MonitorOf(const QWidget& window) const {
    return MonitorHolding(Monitors(), window.geometry().center(),
                          strip_ == &window && stripPlaced_);
}

std::vector<QRect> QtDesktop::Monitors() const {
    std::vector<QRect> monitors;
    const QScreen* primary = PrimaryScreen();
    if (primary != nullptr) monitors.push_back(primary->geometry());
    for (const QScreen* s : QGuiApplication::screens()) {
        if (s != primary) monitors.push_back(s->geometry());
    }
    return monitors;
}

void QtDesktop::WatchMonitors(std::function<void()> changed) {
    monitorsChanged_ = std::move(changed);
    auto* app = qGuiApp;
    const auto watch = [this](QScreen* s) {
        QObject::connect(s, &QScreen::geometryChanged, s, [this] { MonitorsChanging(); });
    };
    for (QScreen* s : QGuiApplication::screens())
        watch(s);
    QObject::connect(app, &QGuiApplication::screenAdded, app, [this, watch](QScreen* s) {
        watch(s);
        MonitorsChanging();
    });
    QObject::connect(app, &QGuiApplication::screenRemoved, app, [this] { MonitorsChanging(); });
    QObject::connect(app, &QGuiApplication::primaryScreenChanged, app,
                     [this] { MonitorsChanging(); });
}

void QtDesktop::MonitorsChanging() {
    // A monitor removed and the screen resized arrive one after the other: act on the last.
    if (std::exchange(monitorsChanging_, true)) return;
    QTimer::singleShot(MonitorsSettleMs, qApp, [this] { MonitorsChanged(); });
}

void QtDesktop::MonitorsChanged() {
    monitorsChanging_ = false;
    if (monitorsChanged_) monitorsChanged_();
    if (strip_ == nullptr) return;
    const std::vector<QRect> monitors = Monitors();
    const QRect home = MonitorOf(*strip_);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == strip_ || !w->isVisible() || w->windowType() == Qt::Popup) continue;
        const QRect frame = w->frameGeometry();
        if (std::none_of(monitors.begin(), monitors.end(),
                         [&frame](const QRect& m) { return m.intersects(frame); }))
            w->move(home.center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
}

float QtDesktop::TwipsPerPixelX() const {
    QScreen* s = PrimaryScreen();
    return TwipsPerPixel(s ? s->logicalDotsPerInchX() : 96.0);
}

float QtDesktop::TwipsPerPixelY() const {
    QScreen* s = PrimaryScreen();
    return TwipsPerPixel(s ? s->logicalDotsPerInchY() : 96.0);
}

float QtDesktop::ScreenWidth() const {
    QScreen* s = PrimaryScreen();
    return s ? static_cast<float>(s->geometry().width()) * TwipsPerPixelX() : 0.0f;
}

bool QtDesktop::GetCursorPos(PointL& pt) {
    if (PrimaryScreen() == nullptr) return false;
    const QPoint p = QCursor::pos();
    pt = {p.x(), p.y()};
    return true;
}

bool QtDesktop::SetCursorPos(Long x, Long y) {
    if (PrimaryScreen() == nullptr) return false;
    QCursor::setPos(x, y);
    // An X server warps the pointer unconditionally; reading it back there would only race the
    // hand that moves it on, and report that as a failure.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) return true;
    // Elsewhere (a compositor may refuse) Qt reports nothing: read the cursor back. A pixel of
    // slack allows for a fractional scale factor rounding through device pixels and back.
    const QPoint p = QCursor::pos();
    return std::abs(p.x() - x) <= 1 && std::abs(p.y() - y) <= 1;
}

float QtDesktop::TimeOfDay() const {
    return SecondsSinceMidnight();
}

void QtDesktop::SetWindowPos(QWidget& window, InsertAfter after, Long x, Long y, Long cx, Long cy,
                             unsigned flags) {
    const bool topmost = after == InsertAfter::Topmost;
    Qt::WindowFlags wanted = window.windowFlags();
    wanted.setFlag(Qt::WindowStaysOnTopHint, topmost);
    // A click on the strip leaves the typing in the window the user types in; the strip takes
    // the keys when brought forward as a window (the events filter decides).
    wanted.setFlag(Qt::WindowDoesNotAcceptFocus, closeRequests_ != nullptr);
    ChangeWindowFlags(window, wanted);
    if (&window == strip_) {
        stripTopmost_ = topmost;
        stripPlaced_ = true;
    }
    // Before the first map move() gives the position with north-west gravity, which every window
    // manager honours; fluxbox ignores a position given with the static gravity of setGeometry
    // and places the window in free space. The strip has no frame, so both mean the same corner.
    window.resize(cx, cy);
    window.move(x, y);
    if (flags & SWP_NOACTIVATE) window.setAttribute(Qt::WA_ShowWithoutActivating);
    if (flags & SWP_SHOWWINDOW) window.show();
    // Above the other windows of its band, topmost or not.
    window.raise();
}

void QtDesktop::BringForward(QWidget& window) {
    if (window.isMinimized()) window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
}

void QtDesktop::SetMousePointer(int pointer) {
    // Qt's override cursor stacks; the program's pointer is one setting, so keep at most one.
    if (pointer == PointerMove) {
        if (QGuiApplication::overrideCursor() != nullptr) {
            QGuiApplication::changeOverrideCursor(Qt::SizeAllCursor);
        } else {
            QGuiApplication::setOverrideCursor(Qt::SizeAllCursor);
        }
    } else {
        while (QGuiApplication::overrideCursor() != nullptr)
            QGuiApplication::restoreOverrideCursor();
    }
}

void QtDesktop::OverStrip(QWidget& window, QWidget* owner) const {
    if (strip_ == nullptr || strip_ == &window) return;
    // A window manager keeps a transient window above its owner, but not above a window in a
    // higher band (openbox): so while the strip is topmost, the window joins that band too.
    window.winId();
    SetStaysOnTop(window, stripTopmost_);
    if (QWindow* handle = window.windowHandle(); handle != nullptr && owner != nullptr)
        handle->setTransientParent(owner->windowHandle());
}

void QtDesktop::MsgBox(const QString& prompt, int style) {
    const auto icon = (style & MsgInformation) ? QMessageBox::Information : QMessageBox::NoIcon;
    QMessageBox box(icon, QString::fromLatin1(AppTitle), prompt, QMessageBox::Ok);
    // Qt would name the button from its own catalogues, which the program does not load.
    box.button(QMessageBox::Ok)->setText(tr("OK"));
    // Over the dialog it answers, if any, and centred there; else centred on the screen, which
    // Qt does only for a box that belongs to no window.
    OverStrip(box, QApplication::activeModalWidget());
    box.exec();
}

void QtDesktop::Notice(const QString& text) {
    if (!notice_) notice_ = std::make_unique<NoticeWindow>();
    auto& notice = static_cast<NoticeWindow&>(*notice_);
    notice.Add(text);
    // Beside the strip, right of it where its monitor has the room, else left; level with its
    // top and whole on the monitor.
    const QScreen* primary = PrimaryScreen();
    const QRect monitor = strip_ ? MonitorOf(*strip_) : primary ? primary->geometry() : QRect();
    const QRect strip = strip_ ? strip_->frameGeometry() : QRect(monitor.topLeft(), QSize());
    const QSize size = notice.size();
    int x = strip.right() + 1;
    if (x + size.width() > monitor.right() + 1) x = strip.left() - size.width();
    const int y = std::clamp(strip.top(), monitor.top(),
                             std::max(monitor.top(), monitor.bottom() + 1 - size.height()));
    notice.move(std::max(x, monitor.left()), y);
    notice.show();
    notice.raise();
    notice.Announce();
}

void QtDesktop::PopupMenu(QMenu& menu) {
    menu.exec(QCursor::pos());
}

void QtDesktop::PopupMenuAt(QMenu& menu, Long x, Long y) {
    menu.exec(QPoint(x, y));
}

void QtDesktop::ShowModal(QDialog& dialog) {
    const QScreen* primary = PrimaryScreen();
    const QRect monitor = strip_ ? MonitorOf(*strip_) : primary ? primary->geometry() : QRect();
    // The dialog as the user sees it, frame included, is centred: move() places the frame's
    // corner. The frame is known only once shown, so the dialog starts with the frame last seen
    // and is centred again as soon as its own is seen to differ.
    const auto centred = [&dialog, monitor](const QMargins& frame) {
        const QSize size = dialog.size().grownBy(frame);
        return QPoint(monitor.x() + (monitor.width() - size.width()) / 2,
                      monitor.y() + (monitor.height() - size.height()) / 2);
    };
    if (monitor.isNull()) {
        dialog.exec();
        return;
    }
    dialog.move(centred(dialogFrame_));  // not created yet: the frame's corner, as wanted
    OverStrip(dialog, strip_);
    dialog.winId();
    QWindow* handle = dialog.windowHandle();
    FrameWatch watch(handle, dialogFrame_, [this, handle, &centred](const QMargins& seen) {
        dialogFrame_ = seen;
        handle->setFramePosition(centred(seen));
    });
    dialog.exec();
}

QString QtDesktop::SaveFileName(QWidget& over, const QString& caption, const QString& suggested,
                                const QString& filters) {
    QFileDialog dialog(&over, caption, QFileInfo(suggested).absolutePath(), filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(QFileInfo(suggested).fileName());
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    // The name follows the type: a name typed without a suffix gets the type's, and choosing
    // another type changes the suffix of the name in the field.
    const auto follow = [&dialog](const QString& filter) {
        const QString suffix = pattern.match(filter).captured(1);
        dialog.setDefaultSuffix(suffix);
        const QStringList chosen = dialog.selectedFiles();
        const QFileInfo file(chosen.value(0));
        if (chosen.size() == 1 && !suffix.isEmpty() && !file.fileName().isEmpty() &&
            file.suffix().compare(suffix, Qt::CaseInsensitive) != 0)
            dialog.selectFile(file.completeBaseName() + QLatin1Char('.') + suffix);
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
    follow(dialog.selectedNameFilter());
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

void QtDesktop::EndProgram() {
    // Every window goes at once; exit() also leaves any menu or dialog loop still running.
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    QCoreApplication::exit(0);
}

bool QtDesktop::CanGrabGlobalKeys(QString* reason) const {
    if (reason != nullptr) *reason = globalKeysReason_;
    return globalKeys_ != nullptr;
}

QList<int> QtDesktop::GrabGlobalKeys(std::function<void(int)> pressed) {
    if (!globalKeys_) {
        QList<int> all;
        for (int n = GlobalKeys::First; n <= GlobalKeys::Last; ++n)
            all << n;
        return all;
    }
    return globalKeys_->Grab(std::move(pressed));
}

void QtDesktop::ReleaseGlobalKeys() {
    if (globalKeys_) globalKeys_->Release();
}

QRect QtDesktop::WorkAreaOf(const QWidget& window) const {
    const QScreen* s = window.screen();
    return s != nullptr ? s->availableGeometry() : QRect();
}

void QtDesktop::CopyText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

}  // namespace rollkin
