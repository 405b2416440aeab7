// xmeasure: starts a program on the X server named by DISPLAY and measures, from outside, what
// its user sees: the time until its window is mapped and fully drawn, the time from a real
// (XTest) button event until the pixels under the pointer change, its resident memory and the
// CPU it burns while idle. Drawing is observed through a DAMAGE object on the root window, which
// reports every rectangle any client draws on screen, so nothing is sampled or polled.
//
// Results go to standard output, one figure a line: a name, then one or more numbers.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double MsBetween(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

void SleepMs(double ms) {
    std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(ms));
}

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool Intersects(const Rect& o) const {
        return x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h;
    }
    long Area() const { return static_cast<long>(w) * h; }
};

struct Options {
    int samples = 0;              // latency samples of each gesture
    int throws = 0;               // left clicks before the second memory reading
    double idleSeconds = 0;       // idle CPU window
    double settleMs = 300;        // after the first frame, before reading memory
    double quietMs = 25;          // no drawing for this long ends a gesture
    double refreshWaitMs = 1300;  // long enough for a shown total to go back to its label
    int px = 40, py = 180;        // where the pointer presses, root coordinates
    Rect slot{0, 160, 80, 40};    // what must change on screen after a press there
    std::vector<char*> command;
};

[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what);
}

// --- /proc readings ----------------------------------------------------------------------------

std::string ReadFile(const std::string& path) {
    std::ifstream f(path);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

long StatusField(const std::string& status, const char* key) {
    const std::size_t at = status.find(key);
    if (at == std::string::npos) return -1;
    return std::strtol(status.c_str() + at + std::strlen(key), nullptr, 10);
}

long RssKiB(pid_t pid) {
    return StatusField(ReadFile("/proc/" + std::to_string(pid) + "/status"), "VmRSS:");
}

struct CpuReading {
    double statMs = 0;   // utime + stime, whole clock ticks
    double schedNs = 0;  // every thread's time on a CPU, from schedstat
    long switches = 0;   // every thread's context switches: its wake-ups
    int threads = 0;
};

CpuReading ReadCpu(pid_t pid) {
    CpuReading r;
    const std::string base = "/proc/" + std::to_string(pid);
    const std::string stat = ReadFile(base + "/stat");
    const std::size_t paren = stat.rfind(')');
    if (paren == std::string::npos) Fail("cannot read " + base + "/stat");
    std::istringstream fields(stat.substr(paren + 2));
    std::string f;
    unsigned long long utime = 0, stime = 0;
    // Fields after the name start at 3 (state); utime and stime are 14 and 15.
    for (int i = 3; i <= 15 && fields >> f; ++i) {
        if (i == 14) utime = std::stoull(f);
        if (i == 15) stime = std::stoull(f);
    }
    r.statMs =
        static_cast<double>(utime + stime) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
    DIR* tasks = opendir((base + "/task").c_str());
    if (tasks == nullptr) Fail("cannot list " + base + "/task");
    while (const dirent* e = readdir(tasks)) {
        if (e->d_name[0] == '.') continue;
        const std::string task = base + "/task/" + e->d_name;
        r.schedNs += std::strtod(ReadFile(task + "/schedstat").c_str(), nullptr);
        const std::string status = ReadFile(task + "/status");
        r.switches += StatusField(status, "\nvoluntary_ctxt_switches:") +
                      StatusField(status, "\nnonvoluntary_ctxt_switches:");
        ++r.threads;
    }
    closedir(tasks);
    return r;
}

// --- the X side ----------------------------------------------------------------------------------

struct DamageSeen {
    Rect area;
    Clock::time_point at;
};

struct MapSeen {
    Window window;
    bool mapped;
    Clock::time_point at;
};

class Screen {
public:
    Screen() {
        dpy_ = XOpenDisplay(nullptr);
        if (dpy_ == nullptr) Fail("cannot open the display (is DISPLAY set?)");
        root_ = XDefaultRootWindow(dpy_);
        int major = 0, minor = 0, error = 0;
        if (!XDamageQueryExtension(dpy_, &damageEvent_, &error)) Fail("no DAMAGE extension");
        int xtestEvent = 0;
        if (!XTestQueryExtension(dpy_, &xtestEvent, &error, &major, &minor)) {
            Fail("no XTEST extension");
        }
        // Every top-level window's creation, geometry and mapping, and every drawn rectangle.
        XSelectInput(dpy_, root_, SubstructureNotifyMask);
        damage_ = XDamageCreate(dpy_, root_, XDamageReportRawRectangles);
        shift_ = XKeysymToKeycode(dpy_, XK_Shift_L);
        XSync(dpy_, False);
        Drain();
    }
    ~Screen() {
        XDamageDestroy(dpy_, damage_);
        XCloseDisplay(dpy_);
    }
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    const std::vector<DamageSeen>& Drawn() const { return damage_seen_; }
    const std::vector<MapSeen>& Maps() const { return maps_; }
    Rect Geometry(Window w) const {
        const auto it = geometry_.find(w);
        return it == geometry_.end() ? Rect{} : it->second;
    }

    // Handles events until done() holds or the time is up; false on time-out.
    bool WaitUntil(const std::function<bool()>& done, double timeoutMs) {
        const Clock::time_point deadline =
            Clock::now() + std::chrono::duration_cast<Clock::duration>(
                               std::chrono::duration<double, std::milli>(timeoutMs));
        for (;;) {
            while (XPending(dpy_) > 0) {
                Handle();
                if (done()) return true;
            }
            if (done()) return true;
            const double left = MsBetween(Clock::now(), deadline);
            if (left <= 0) return false;
            pollfd p{XConnectionNumber(dpy_), POLLIN, 0};
            poll(&p, 1, static_cast<int>(left) + 1);
        }
    }

    // Handles events until nothing has been drawn, mapped or unmapped for quietMs.
    void WaitQuiet(double quietMs) {
        Clock::time_point last = Clock::now();
        std::size_t seen = damage_seen_.size() + maps_.size();
        for (;;) {
            WaitUntil([&] { return damage_seen_.size() + maps_.size() != seen; },
                      quietMs - MsBetween(last, Clock::now()));
            if (damage_seen_.size() + maps_.size() == seen) return;
            seen = damage_seen_.size() + maps_.size();
            last = Clock::now();
        }
    }

    void Drain() {
        while (XPending(dpy_) > 0)
            Handle();
    }

    // Real input, as a device would send it. Returns the moment the request left.
    Clock::time_point Move(int x, int y) {
        XTestFakeMotionEvent(dpy_, -1, x, y, CurrentTime);
        return Flush();
    }
    Clock::time_point Button(unsigned button, bool press) {
        XTestFakeButtonEvent(dpy_, button, press ? True : False, CurrentTime);
        return Flush();
    }
    Clock::time_point Click(unsigned button, bool shift) {
        if (shift) XTestFakeKeyEvent(dpy_, shift_, True, CurrentTime);
        XTestFakeButtonEvent(dpy_, button, True, CurrentTime);
        XTestFakeButtonEvent(dpy_, button, False, CurrentTime);
        if (shift) XTestFakeKeyEvent(dpy_, shift_, False, CurrentTime);
        return Flush();
    }

private:
    Clock::time_point Flush() {
        const Clock::time_point at = Clock::now();
        XFlush(dpy_);
        return at;
    }

    void Handle() {
        XEvent e;
        XNextEvent(dpy_, &e);
        const Clock::time_point at = Clock::now();
        if (e.type == damageEvent_ + XDamageNotify) {
            const auto* d = reinterpret_cast<const XDamageNotifyEvent*>(&e);
            damage_seen_.push_back({{d->area.x, d->area.y, d->area.width, d->area.height}, at});
            return;
        }
        switch (e.type) {
            case CreateNotify:
                if (e.xcreatewindow.parent == root_) {
                    geometry_[e.xcreatewindow.window] = {e.xcreatewindow.x, e.xcreatewindow.y,
                                                         e.xcreatewindow.width,
                                                         e.xcreatewindow.height};
                }
                break;
            case ConfigureNotify:
                if (e.xconfigure.event == root_) {
                    geometry_[e.xconfigure.window] = {e.xconfigure.x, e.xconfigure.y,
                                                      e.xconfigure.width, e.xconfigure.height};
                }
                break;
            case DestroyNotify:
                if (e.xdestroywindow.event == root_) geometry_.erase(e.xdestroywindow.window);
                break;
            case MapNotify:
                if (e.xmap.event == root_) maps_.push_back({e.xmap.window, true, at});
                break;
            case UnmapNotify:
                if (e.xunmap.event == root_) maps_.push_back({e.xunmap.window, false, at});
                break;
            default:
                break;
        }
    }

    Display* dpy_ = nullptr;
    Window root_ = 0;
    int damageEvent_ = 0;
    Damage damage_ = 0;
    KeyCode shift_ = 0;
    std::vector<DamageSeen> damage_seen_;
    std::vector<MapSeen> maps_;
    std::map<Window, Rect> geometry_;
};

// The first damage from index `from` on that touches r, or none.
const DamageSeen* FirstDamage(const Screen& x, std::size_t from, const Rect& r) {
    for (std::size_t i = from; i < x.Drawn().size(); ++i) {
        if (x.Drawn()[i].area.Intersects(r)) return &x.Drawn()[i];
    }
    return nullptr;
}

// Whether the damage from index `from` on covers all of r (one frame drawn in full).
const DamageSeen* CoveringDamage(const Screen& x, std::size_t from, const Rect& r) {
    Region drawn = XCreateRegion();
    const DamageSeen* done = nullptr;
    for (std::size_t i = from; i < x.Drawn().size() && done == nullptr; ++i) {
        const Rect& a = x.Drawn()[i].area;
        XRectangle xr{static_cast<short>(a.x), static_cast<short>(a.y),
                      static_cast<unsigned short>(a.w), static_cast<unsigned short>(a.h)};
        XUnionRectWithRegion(&xr, drawn, drawn);
        if (XRectInRegion(drawn, r.x, r.y, static_cast<unsigned>(r.w),
                          static_cast<unsigned>(r.h)) == RectangleIn) {
            done = &x.Drawn()[i];
        }
    }
    XDestroyRegion(drawn);
    return done;
}

long DamageArea(const Screen& x, std::size_t from) {
    long sum = 0;
    for (std::size_t i = from; i < x.Drawn().size(); ++i)
        sum += x.Drawn()[i].area.Area();
    return sum;
}

// --- the program ---------------------------------------------------------------------------------

class Child {
public:
    explicit Child(const std::vector<char*>& command) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        // Standard output carries the figures; the program's own goes nowhere.
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        std::vector<char*> argv(command);
        argv.push_back(nullptr);
        const int rc = posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (rc != 0) Fail(std::string("cannot start ") + argv[0] + ": " + std::strerror(rc));
    }
    ~Child() { Stop(); }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    pid_t Pid() const { return pid_; }

    // Throws when the program has ended on its own.
    void CheckAlive() {
        if (pid_ == 0) return;
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = 0;
            Fail("the program ended early (status " + std::to_string(status) + ")");
        }
    }

    void Stop() {
        if (pid_ == 0) return;
        kill(pid_, SIGTERM);
        for (int i = 0; i < 500; ++i) {
            if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
                pid_ = 0;
                return;
            }
            SleepMs(10);
        }
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = 0;
    }

private:
    pid_t pid_ = 0;
};

void Print(const char* name, const std::vector<double>& values) {
    std::printf("%s", name);
    for (double v : values)
        std::printf(" %.3f", v);
    std::printf("\n");
}

void Print(const char* name, double value) {
    Print(name, std::vector<double>{value});
}

class Measure {
public:
    explicit Measure(const Options& o) : o_(o) {}

    void Run() {
        const std::size_t damageBefore = x_.Drawn().size();
        const std::size_t mapsBefore = x_.Maps().size();
        const Clock::time_point start = Clock::now();
        Child child(o_.command);
        child_ = &child;

        // Mapped: the first top-level window of the run to appear.
        Expect([&] { return x_.Maps().size() > mapsBefore && x_.Maps()[mapsBefore].mapped; }, 30000,
               "the window to be mapped");
        const MapSeen map = x_.Maps()[mapsBefore];
        window_ = map.window;
        const Rect area = x_.Geometry(window_);
        const std::size_t fromMap = FirstDamageAfter(damageBefore, map.at);
        const DamageSeen* frame = nullptr;
        Expect([&] { return (frame = CoveringDamage(x_, fromMap, area)) != nullptr; }, 30000,
               "the first frame");
        // The program's own CPU time so far: steadier than wall time on a busy machine.
        const CpuReading cpu = ReadCpu(child.Pid());
        std::printf("window 0x%lx %dx%d+%d+%d\n", window_, area.w, area.h, area.x, area.y);
        Print("startup_map_ms", MsBetween(start, map.at));
        Print("startup_frame_ms", MsBetween(start, frame->at));
        Print("startup_cpu_ms", cpu.schedNs / 1e6);

        x_.WaitQuiet(o_.settleMs);
        Print("rss_start_kib", static_cast<double>(RssKiB(child.Pid())));

        if (o_.samples > 0) Latencies();
        if (o_.throws > 0) {
            Throws();
            Print("rss_after_throws_kib", static_cast<double>(RssKiB(child.Pid())));
        }
        if (o_.idleSeconds > 0) Idle();
        child.CheckAlive();
        child.Stop();
        child_ = nullptr;
    }

private:
    void Expect(const std::function<bool()>& done, double timeoutMs, const char* what) {
        for (double waited = 0; waited < timeoutMs; waited += 100) {
            if (x_.WaitUntil(done, 100)) return;
            child_->CheckAlive();
        }
        Fail(std::string("timed out waiting for ") + what);
    }

    std::size_t FirstDamageAfter(std::size_t from, Clock::time_point at) const {
        while (from < x_.Drawn().size() && x_.Drawn()[from].at < at)
            ++from;
        return from;
    }

    // Moves the pointer to the press point and lets any hover effect finish drawing.
    void Home() {
        x_.Move(o_.px, o_.py);
        x_.WaitQuiet(o_.quietMs);
    }

    // A left press, timed until the slot changes on screen; then its release.
    double Throw(long* damagePx, long* outsidePx) {
        const std::size_t from = x_.Drawn().size();
        const Clock::time_point sent = x_.Button(1, true);
        const DamageSeen* seen = nullptr;
        Expect([&] { return (seen = FirstDamage(x_, from, o_.slot)) != nullptr; }, 5000,
               "a throw to show");
        const double ms = MsBetween(sent, seen->at);
        x_.Button(1, false);
        x_.WaitQuiet(o_.quietMs);
        Account(from, damagePx, outsidePx);
        return ms;
    }

    // Drawn area since `from`, in all and outside the slot.
    void Account(std::size_t from, long* damagePx, long* outsidePx) const {
        if (damagePx != nullptr) *damagePx = DamageArea(x_, from);
        if (outsidePx == nullptr) return;
        *outsidePx = 0;
        for (std::size_t i = from; i < x_.Drawn().size(); ++i) {
            const Rect& a = x_.Drawn()[i].area;
            const int l = std::max(a.x, o_.slot.x), r = std::min(a.x + a.w, o_.slot.x + o_.slot.w);
            const int t = std::max(a.y, o_.slot.y), b = std::min(a.y + a.h, o_.slot.y + o_.slot.h);
            const long inside = (r > l && b > t) ? static_cast<long>(r - l) * (b - t) : 0;
            *outsidePx += a.Area() - inside;
        }
    }

    // A right click, timed until the slot changes; then a Shift+right click puts it back.
    double RightClick(long* damagePx, long* outsidePx) {
        const std::size_t from = x_.Drawn().size();
        const Clock::time_point sent = x_.Click(3, false);
        const DamageSeen* seen = nullptr;
        Expect([&] { return (seen = FirstDamage(x_, from, o_.slot)) != nullptr; }, 5000,
               "a right click to show");
        const double ms = MsBetween(sent, seen->at);
        x_.WaitQuiet(o_.quietMs);
        Account(from, damagePx, outsidePx);
        const std::size_t back = x_.Drawn().size();
        x_.Click(3, true);
        Expect([&] { return FirstDamage(x_, back, o_.slot) != nullptr; }, 5000,
               "a Shift+right click to show");
        x_.WaitQuiet(o_.quietMs);
        return ms;
    }

    // A right press, then one pixel of movement: timed until another window is mapped and until
    // that window is drawn in full. The release closes it again.
    std::pair<double, double> OpenScroller() {
        x_.Button(3, true);
        x_.WaitQuiet(o_.quietMs);
        const std::size_t maps = x_.Maps().size();
        const std::size_t damage = x_.Drawn().size();
        const Clock::time_point sent = x_.Move(o_.px + 1, o_.py);
        const MapSeen* map = nullptr;
        Expect(
            [&] {
                for (std::size_t i = maps; i < x_.Maps().size(); ++i) {
                    if (x_.Maps()[i].mapped && x_.Maps()[i].window != window_) {
                        map = &x_.Maps()[i];
                        return true;
                    }
                }
                return false;
            },
            5000, "the scroller to be mapped");
        const MapSeen opened = *map;
        const Rect area = x_.Geometry(opened.window);
        const DamageSeen* frame = nullptr;
        Expect([&] { return (frame = CoveringDamage(x_, damage, area)) != nullptr; }, 5000,
               "the scroller's first frame");
        const std::pair<double, double> ms{MsBetween(sent, opened.at), MsBetween(sent, frame->at)};
        const std::size_t closing = x_.Maps().size();
        x_.Button(3, false);
        Expect(
            [&] {
                for (std::size_t i = closing; i < x_.Maps().size(); ++i) {
                    if (!x_.Maps()[i].mapped && x_.Maps()[i].window == opened.window) return true;
                }
                return false;
            },
            5000, "the scroller to close");
        x_.WaitQuiet(o_.quietMs);
        return ms;
    }

    // Right clicks and right drags first: a throw leaves its total waiting for a second, and the
    // label coming back would look like the next gesture's answer.
    void Latencies() {
        std::vector<double> throws, rights, maps, frames, throwPx, throwOut, rightPx, rightOut;
        Home();
        for (int i = 0; i < o_.samples; ++i) {
            long px = 0, out = 0;
            rights.push_back(RightClick(&px, &out));
            rightPx.push_back(static_cast<double>(px));
            rightOut.push_back(static_cast<double>(out));
        }
        for (int i = 0; i < o_.samples; ++i) {
            Home();
            const auto [map, frame] = OpenScroller();
            maps.push_back(map);
            frames.push_back(frame);
        }
        // Each throw restarts the thrown button's refresh timer well inside its second, so no
        // label comes back during the series.
        Home();
        for (int i = 0; i < o_.samples; ++i) {
            long px = 0, out = 0;
            throws.push_back(Throw(&px, &out));
            throwPx.push_back(static_cast<double>(px));
            throwOut.push_back(static_cast<double>(out));
        }
        Print("throw_ms", throws);
        Print("throw_damage_px", throwPx);
        Print("throw_damage_outside_px", throwOut);
        Print("right_ms", rights);
        Print("right_damage_px", rightPx);
        Print("right_damage_outside_px", rightOut);
        Print("scroller_map_ms", maps);
        Print("scroller_frame_ms", frames);
    }

    void Throws() {
        Home();
        for (int i = 0; i < o_.throws; ++i) {
            const std::size_t from = x_.Drawn().size();
            x_.Button(1, true);
            Expect([&] { return FirstDamage(x_, from, o_.slot) != nullptr; }, 5000,
                   "a throw to show");
            const std::size_t released = x_.Drawn().size();
            x_.Button(1, false);
            Expect([&] { return FirstDamage(x_, released, o_.slot) != nullptr; }, 5000,
                   "a release to show");
        }
        // The last total goes back to its label; then nothing is waiting.
        x_.WaitQuiet(o_.refreshWaitMs);
    }

    void Idle() {
        x_.WaitQuiet(o_.refreshWaitMs);
        const CpuReading before = ReadCpu(child_->Pid());
        const std::size_t damage = x_.Drawn().size();
        SleepMs(o_.idleSeconds * 1000);
        const CpuReading after = ReadCpu(child_->Pid());
        x_.Drain();
        Print("idle_cpu_ms", after.statMs - before.statMs);
        Print("idle_cpu_exact_ms", (after.schedNs - before.schedNs) / 1e6);
        Print("idle_wakeups", static_cast<double>(after.switches - before.switches));
        Print("idle_damage_rects", static_cast<double>(x_.Drawn().size() - damage));
        Print("threads", after.threads);
    }

    const Options& o_;
    Screen x_;
    Child* child_ = nullptr;
    Window window_ = 0;
};

Rect ParseRect(const char* s) {
    Rect r;
    if (std::sscanf(s, "%d,%d,%d,%d", &r.x, &r.y, &r.w, &r.h) != 4) Fail("bad rectangle");
    return r;
}

void Usage() {
    std::fprintf(stderr,
                 "usage: xmeasure [--samples K] [--throws T] [--idle SECONDS] [--settle MS]\n"
                 "                [--at X,Y] [--slot X,Y,W,H] -- PROGRAM [ARGS...]\n"
                 "Starts PROGRAM on $DISPLAY; prints its start-up, latency, memory and idle\n"
                 "figures, one a line.\n");
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--") {
            ++i;
            break;
        } else if (a == "--samples" && hasValue) {
            o.samples = std::atoi(argv[++i]);
        } else if (a == "--throws" && hasValue) {
            o.throws = std::atoi(argv[++i]);
        } else if (a == "--idle" && hasValue) {
            o.idleSeconds = std::atof(argv[++i]);
        } else if (a == "--settle" && hasValue) {
            o.settleMs = std::atof(argv[++i]);
        } else if (a == "--at" && hasValue) {
            if (std::sscanf(argv[++i], "%d,%d", &o.px, &o.py) != 2) {
                Usage();
                return 2;
            }
        } else if (a == "--slot" && hasValue) {
            o.slot = ParseRect(argv[++i]);
        } else {
            Usage();
            return 2;
        }
    }
    for (; i < argc; ++i)
        o.command.push_back(argv[i]);
    if (o.command.empty()) {
        Usage();
        return 2;
    }
    try {
        Measure(o).Run();
    } catch (const std::exception& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "xmeasure: %s\n", e.what());
        return 1;
    }
    return 0;
}
