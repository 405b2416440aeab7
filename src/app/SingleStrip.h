#pragma once

#include <QObject>
#include <QString>
#include <string>

class QByteArray;
class QSocketNotifier;

namespace rollkin {

// One strip per user and desktop. A start finds the running strip by a local socket named by
// the user and the display, asks it to come forward and ends; the running strip listens there.
class SingleStrip final : public QObject {
    Q_OBJECT

public:
    // How long a start waits for the running strip's answer before it starts as usual.
    static constexpr int AnswerMs = 1000;

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
    // whose strip is alive but did not answer is left to it (false: this run does not listen).
    bool Listen();

signals:
    // A later start asked for the strip.
    void ComeForwardAsked();

private:
    void Answer();
    void Read(QSocketNotifier* client, QByteArray& got);

    QString name_;
    bool held_ = false;  // a strip holds the name but did not answer in time
    int listener_ = -1;
};

}  // namespace rollkin
