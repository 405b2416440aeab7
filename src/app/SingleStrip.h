#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <deque>
#include <string>

class QSocketNotifier;
class QTimer;

namespace rollkin {

// One strip per user and desktop. A start finds the running strip by a local socket named by
// the user and the display, asks it to come forward and ends; the running strip listens there.
class SingleStrip final : public QObject {
    Q_OBJECT

public:
    // How long a start waits for the running strip's answer before it starts as usual.
    static constexpr int AnswerMs = 1000;
    // A start says what it wants at once: a client silent for this long is dropped.
    static constexpr int SilentMs = 1000;
    // The most clients held at once; a new one takes the place of the oldest.
    static constexpr int MostClients = 8;

    // The socket for this user on the display the platform uses: in $XDG_RUNTIME_DIR, else in a
    // folder of the user's own in the temporary folder. Empty where there is no desktop to share
    // (the offscreen platform).
    static QString NameFor(const std::string& platform, const char* display,
                           const char* waylandDisplay);

    explicit SingleStrip(QString name);
    ~SingleStrip() override;

    // Asks the strip running under the name to come forward; true once it has answered. Needs no
    // application object, so that a start that hands over builds none.
    bool HandOver(int timeoutMs = AnswerMs);
    // Answers later starts from now on. A socket left by a run that crashed is taken over; one
    // whose strip is alive but did not answer is left to it (false: this run does not listen),
    // and so is anything else in the socket's place, which Problem() then names.
    bool Listen();
    // Why this run does not listen, when the player should know: empty otherwise.
    QString Problem() const { return problem_; }

signals:
    // A later start asked for the strip.
    void ComeForwardAsked();

private:
    void Answer();
    void Read(QSocketNotifier* client);
    void Drop(QSocketNotifier* client);

    struct Client {
        QSocketNotifier* notifier;
        QByteArray got;  // the request so far
    };

    QString name_;
    QString problem_;
    bool held_ = false;  // a strip holds the name but did not answer in time
    int listener_ = -1;
    QSocketNotifier* listening_ = nullptr;
    QTimer* pause_ = nullptr;     // out of descriptors: the listener rests a moment
    std::deque<Client> clients_;  // the oldest first
};

}  // namespace rollkin
