#include "app/SingleStrip.h"

#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <utility>

namespace rollkin {

namespace {

// What a start asks and what the running strip answers once it has come forward.
constexpr char Request[] = "forward\n";
constexpr char Answered[] = "ok\n";
// A start that met a socket left behind checks this long that no strip has just taken it.
constexpr int TakenOverMs = 50;

bool IsSet(const char* value) {
    return value != nullptr && *value != '\0';
}

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
    const QString folder = runtime.isEmpty() ? QDir::tempPath() : QString::fromLocal8Bit(runtime);
    return QStringLiteral("%1/dicerollkin-%2-%3").arg(folder).arg(getuid()).arg(id);
}

SingleStrip::SingleStrip(QString name) : name_(std::move(name)) {}

SingleStrip::~SingleStrip() = default;

bool SingleStrip::HandOver(int timeoutMs) {
    if (name_.isEmpty()) return false;
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(name_);
    // Nobody listens (no socket, or one left by a crash): the usual start, at once.
    if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) return false;
    held_ = true;
    socket.write(Request);
    if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) return false;
    }
    return socket.readLine() == Answered;
}

bool SingleStrip::Listen() {
    if (name_.isEmpty() || held_) return false;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) {
        if (server_->serverError() != QAbstractSocket::AddressInUseError) return false;
        // Left by a run that crashed, unless a strip started at the same moment has just taken it.
        QLocalSocket probe;
        probe.connectToServer(name_);
        if (probe.waitForConnected(TakenOverMs)) return false;
        QLocalServer::removeServer(name_);
        if (!server_->listen(name_)) return false;
    }
    connect(server_, &QLocalServer::newConnection, this, &SingleStrip::Answer);
    return true;
}

void SingleStrip::Answer() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) return;
            if (socket->readLine() == Request) {
                emit ComeForwardAsked();
                socket->write(Answered);
            }
            socket->disconnectFromServer();
        });
    }
}

}  // namespace rollkin
