#include "app/SingleStrip.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>

#include "share/ShownText.h"

namespace rollkin {

namespace {

// What a start asks and what the running strip answers once it has come forward.
constexpr char Request[] = "forward\n";
constexpr char Answered[] = "ok\n";
// A request is one short line; a client that sends more without one is dropped.
constexpr int LongestRequest = 64;

bool IsSet(const char* value) {
    return value != nullptr && *value != '\0';
}

// Plain sockets rather than Qt's network module, which would load a dozen libraries at every
// start for this one line.
std::optional<sockaddr_un> Address(const QString& name) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(name);
    if (path.size() >= static_cast<qsizetype>(sizeof address.sun_path)) return std::nullopt;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    return address;
}

// Only a folder of the user's own that nobody else may enter keeps other users from posing as
// the strip (or from sending ours forward). The temporary folder's one is made here.
bool OwnFolder(const QString& name, bool make) {
    const QByteArray folder = QFile::encodeName(QFileInfo(name).path());
    if (make) ::mkdir(folder.constData(), 0700);  // there already: its owner is checked below
    struct stat info {};
    return ::lstat(folder.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == getuid() && (info.st_mode & 077) == 0;
}

int NewSocket() {
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
}

// Connects without waiting: 0, or the errno. A listening strip takes it at once, or says
// EAGAIN when its queue is full.
int Connect(int fd, const sockaddr_un& address) {
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return 0;
    return errno;
}

// Waits for the socket until the deadline; false when the time is up.
bool Wait(int fd, short events, const QDeadlineTimer& deadline) {
    pollfd wanted{fd, events, 0};
    for (;;) {
        const int ready = ::poll(&wanted, 1, static_cast<int>(deadline.remainingTime()));
        if (ready > 0) return true;
        if (ready == 0 || errno != EINTR) return false;
    }
}

// Whether the other end of a connected socket runs as this user: a strip of another user is not
// asked, and does not ask, to come forward.
bool SameUser(int fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == getuid();
}

struct Fd {
    int fd;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

QString SingleStrip::NameFor(const std::string& platform, const char* display,
                             const char* waylandDisplay) {
    const QString qpa = QString::fromStdString(platform);
    const char* where = nullptr;
    if (qpa.startsWith(QLatin1String("xcb"))) {
        where = display;
    } else if (qpa.startsWith(QLatin1String("wayland"))) {
        where = waylandDisplay;
    } else if (qpa.isEmpty()) {  // Qt's own choice: Wayland first, as Qt tries it
        where = IsSet(waylandDisplay) ? waylandDisplay : display;
    }
    if (!IsSet(where)) return {};
    QString id = QString::fromLocal8Bit(where);
    for (QChar& c : id) {
        if (c.unicode() >= 128 || (!c.isLetterOrNumber() && c != u'.' && c != u'-')) c = u'_';
    }
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QString folder =
        runtime.isEmpty() ? QStringLiteral("%1/dicerollkin-%2").arg(QDir::tempPath()).arg(getuid())
                          : QString::fromLocal8Bit(runtime);
    return QStringLiteral("%1/dicerollkin-%2-%3").arg(folder).arg(getuid()).arg(id);
}

SingleStrip::SingleStrip(QString name) : name_(std::move(name)) {}

SingleStrip::~SingleStrip() {
    const auto notifiers = findChildren<QSocketNotifier*>();
    for (QSocketNotifier* notifier : notifiers)
        ::close(static_cast<int>(notifier->socket()));
    if (listener_ >= 0) ::unlink(QFile::encodeName(name_).constData());
}

bool SingleStrip::HandOver(int timeoutMs) {
    const auto address = Address(name_);
    if (name_.isEmpty() || !address || !OwnFolder(name_, false)) return false;
    const QDeadlineTimer deadline(timeoutMs);
    const Fd socket{NewSocket()};
    if (socket.fd < 0) return false;
    int refused = Connect(socket.fd, *address);
    // A full queue is a strip alive but busy: tried again until the time is up.
    while (refused == EAGAIN && !deadline.hasExpired()) {
        ::poll(nullptr, 0, 10);
        refused = Connect(socket.fd, *address);
    }
    if (refused == EAGAIN) held_ = true;
    // Nobody listens (no socket, or one left by a crash): the usual start, at once.
    if (refused != 0) return false;
    held_ = true;
    if (!SameUser(socket.fd)) return false;
    if (!Wait(socket.fd, POLLOUT, deadline) ||
        ::send(socket.fd, Request, sizeof Request - 1, MSG_NOSIGNAL) !=
            static_cast<ssize_t>(sizeof Request - 1))
        return false;
    QByteArray got;
    while (!got.contains('\n') && got.size() < LongestRequest) {
        if (!Wait(socket.fd, POLLIN, deadline)) return false;
        char buffer[LongestRequest];
        const ssize_t n = ::recv(socket.fd, buffer, sizeof buffer, 0);
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) return false;
        if (n > 0) got.append(buffer, n);
    }
    return got == Answered;
}

bool SingleStrip::Listen() {
    const auto address = Address(name_);
    if (name_.isEmpty() || held_ || !address || !OwnFolder(name_, true)) return false;
    const QByteArray path = QFile::encodeName(name_);
    const auto* where = reinterpret_cast<const sockaddr*>(&*address);
    Fd socket{NewSocket()};
    if (socket.fd < 0) return false;
    if (::bind(socket.fd, where, sizeof *address) != 0) {
        if (errno != EADDRINUSE) return false;
        // Only a socket is ours to take over: anything else there is the user's, and said.
        struct stat there {};
        if (::lstat(path.constData(), &there) == 0 && !S_ISSOCK(there.st_mode)) {
            problem_ = tr("%1 is not Dice Rollkin's socket, and is left as it is: starting Dice "
                          "Rollkin again opens another strip until it is removed.")
                           .arg(ShownText(name_));
            return false;
        }
        // Left by a run that crashed, unless a strip started at the same moment has just taken it.
        const Fd probe{NewSocket()};
        if (probe.fd < 0 || Connect(probe.fd, *address) != ECONNREFUSED) return false;
        ::unlink(path.constData());
        if (::bind(socket.fd, where, sizeof *address) != 0) return false;
    }
    if (::chmod(path.constData(), 0600) != 0 || ::listen(socket.fd, 8) != 0) {
        ::unlink(path.constData());
        return false;
    }
    listener_ = std::exchange(socket.fd, -1);
    listening_ = new QSocketNotifier(listener_, QSocketNotifier::Read, this);
    connect(listening_, &QSocketNotifier::activated, this, &SingleStrip::Answer);
    pause_ = new QTimer(this);
    pause_->setSingleShot(true);
    connect(pause_, &QTimer::timeout, listening_, [this] { listening_->setEnabled(true); });
    return true;
}

void SingleStrip::Answer() {
    for (;;) {
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            const int error = errno;
            if (error == EINTR || error == ECONNABORTED) continue;
            // Out of descriptors, the connection stays queued and the listener ready: it rests
            // rather than spin, while the clients it holds go.
            if (error != EAGAIN) {
                listening_->setEnabled(false);
                pause_->start(SilentMs / 10);
            }
            return;
        }
        if (!SameUser(fd)) {
            ::close(fd);
            continue;
        }
        // Full: the oldest, silent so far, is read a last time and goes.
        if (clients_.size() >= MostClients) {
            QSocketNotifier* oldest = clients_.front().notifier;
            Read(oldest);
            if (!clients_.empty() && clients_.front().notifier == oldest) Drop(oldest);
        }
        auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        clients_.push_back({notifier, {}});
        connect(notifier, &QSocketNotifier::activated, this, [this, notifier] { Read(notifier); });
        // Gone with its notifier, should the client be dropped before.
        QTimer::singleShot(SilentMs, notifier, [this, notifier] { Drop(notifier); });
    }
}

void SingleStrip::Read(QSocketNotifier* client) {
    const auto found = std::find_if(clients_.begin(), clients_.end(),
                                    [client](const Client& c) { return c.notifier == client; });
    if (found == clients_.end()) return;
    QByteArray& got = found->got;
    const int fd = static_cast<int>(client->socket());
    char buffer[LongestRequest];
    const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
    if (n > 0) got.append(buffer, n);
    const qsizetype end = got.indexOf('\n');
    if (n > 0 && end < 0 && got.size() < LongestRequest) return;  // the rest is on its way
    if (end >= 0 && got.left(end + 1) == Request) {
        emit ComeForwardAsked();
        ::send(fd, Answered, sizeof Answered - 1, MSG_NOSIGNAL);
    }
    Drop(client);
}

void SingleStrip::Drop(QSocketNotifier* client) {
    const auto found = std::find_if(clients_.begin(), clients_.end(),
                                    [client](const Client& c) { return c.notifier == client; });
    if (found == clients_.end()) return;
    clients_.erase(found);
    client->setEnabled(false);
    ::close(static_cast<int>(client->socket()));
    client->setParent(nullptr);  // its socket is closed: not the destructor's to close again
    client->deleteLater();
}

}  // namespace rollkin
