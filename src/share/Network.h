#pragma once

#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QTimer>
#include <QUrl>

#include "share/ShareQueue.h"

namespace rollkin {

// The queue's clock on Qt's timers: the wake-up comes from the event loop.
class TimerClock final : public Clock {
public:
    TimerClock();
    Millis Now() const override { return started_.elapsed(); }
    void WakeAt(Millis at, std::function<void()> wake) override;

private:
    QElapsedTimer started_;
    QTimer timer_;
    std::function<void()> wake_;
};

// Posts to the webhook with Qt's network module, nothing blocking: no redirect followed, no
// answer within AnswerTimeout taken as none. Destroyed, it drops what is on its way and tells
// nobody.
class NetworkTransport final : public Transport {
    Q_DECLARE_TR_FUNCTIONS(NetworkTransport)

public:
    static constexpr int AnswerTimeout = 10000;  // milliseconds

    NetworkTransport() = default;
    void SetUrl(const QUrl& url) { url_ = url; }
    void Post(const QByteArray& body, std::function<void(const Answer&)> answered) override;

private:
    QNetworkAccessManager manager_;
    // Declared after the manager, so gone first: the answers that its end aborts reach nobody.
    QObject receiver_;
    QUrl url_;
};

}  // namespace rollkin
