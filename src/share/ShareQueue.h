#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QUrl>
#include <cstdint>
#include <deque>
#include <functional>

#include "share/ShownText.h"

namespace rollkin {

using Millis = std::int64_t;

// The most of an answer's body that is read; the rest is dropped unread.
constexpr qsizetype AnswerBodyLimit = 64 * 1024;

// Time for the queue: now, and a wake-up call at a later time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual Millis Now() const = 0;
    // Calls wake once, at `at` or soon after (never from within this call); a later call
    // replaces the earlier.
    virtual void WakeAt(Millis at, std::function<void()> wake) = 0;
};

// What a webhook answered.
struct Answer {
    int status = 0;  // the HTTP status; 0 when none came (a network error, no answer in time)
    QString reason;  // "Not Found", or the network error in words; never the address
    QByteArray body;
    // The headers that pace posting, as given; empty when absent.
    QByteArray retryAfter;
    QByteArray rateRemaining;
    QByteArray rateResetAfter;

    // "404 Not Found", or the network error: as ShownText makes it.
    QString Text() const;
};

// Posts one message to the webhook.
class Transport {
public:
    virtual ~Transport() = default;
    // Calls answered once, later (never from within this call).
    virtual void Post(const QByteArray& body, std::function<void(const Answer&)> answered) = 0;
};

// A transport to a webhook's address.
class WebhookTransport : public Transport {
public:
    virtual void SetUrl(const QUrl& url) = 0;
};

// The throws on their way to the webhook, one post at a time, in the order thrown. Paced by
// what the webhook answers: a 429 waits the time it names, a rate limit used up waits for its
// reset, a network error is tried again with growing waits; 401, 403, 404 and 410 stop posting.
class ShareQueue {
    Q_DECLARE_TR_FUNCTIONS(ShareQueue)

public:
    enum class State { Waiting, Sent, NotSent };
    // Told of every change of a message's state, with the tag it was added with.
    using Report = std::function<void(std::uint64_t tag, State state, const QString& why)>;
    // Told once when the webhook refuses: posting has stopped.
    using Stop = std::function<void(const QString& message)>;

    static constexpr int Retries = 3;
    static constexpr Millis FirstRetryWait = 1000;  // doubled at each retry
    static constexpr Millis UnnamedWait = 1000;     // a 429 that names no time
    static constexpr Millis LongestWait = 600000;

    ShareQueue(Clock& clock, Transport& transport, Report report, Stop stop);
    ShareQueue(const ShareQueue&) = delete;
    ShareQueue& operator=(const ShareQueue&) = delete;

    // Queues a message and reports it waiting. Nothing is posted from within this call.
    void Add(QByteArray body, std::uint64_t tag);
    // Posting switched on again after a refusal (a new address, say).
    void Restart() { stopped_ = false; }
    bool Stopped() const { return stopped_; }

private:
    struct Item {
        QByteArray body;
        std::uint64_t tag;
        int tries = 0;
    };
    void Next();
    void Answered(const Answer& answer);
    void GiveUp(const QString& why);

    Clock& clock_;
    Transport& transport_;
    Report report_;
    Stop stop_;
    std::deque<Item> items_;
    bool posting_ = false;
    bool stopped_ = false;
    Millis notBefore_ = 0;
};

}  // namespace rollkin
