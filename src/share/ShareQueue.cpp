#include "share/ShareQueue.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>
#include <utility>

namespace rollkin {

namespace {

// Seconds as given ("1.5"), in milliseconds within [0, ShareQueue::LongestWait], or -1.
Millis SecondsToMillis(double seconds, bool ok) {
    if (!ok || !std::isfinite(seconds) || seconds < 0) return -1;
    // Capped before the conversion: "1e300" seconds is no integer.
    return static_cast<Millis>(
        std::ceil(std::min(seconds * 1000, static_cast<double>(ShareQueue::LongestWait))));
}

Millis HeaderMillis(const QByteArray& value) {
    bool ok = false;
    const double seconds = value.trimmed().toDouble(&ok);
    return SecondsToMillis(seconds, ok);
}

// The wait a 429 names: retry_after in its JSON body, else its Retry-After header.
Millis RetryAfter(const Answer& answer) {
    const QJsonValue inBody =
        QJsonDocument::fromJson(answer.body.left(AnswerBodyLimit)).object().value("retry_after");
    Millis wait = SecondsToMillis(inBody.toDouble(-1), inBody.isDouble());
    if (wait < 0) wait = HeaderMillis(answer.retryAfter);
    return wait < 0 ? ShareQueue::UnnamedWait : wait;
}

// 410: Slack's answer for a channel archived, which takes no more posts.
bool Refused(int status) {
    return status == 401 || status == 403 || status == 404 || status == 410;
}

}  // namespace

QString Answer::Text() const {
    if (status == 0) return ShownText(reason);
    return ShownText(reason.isEmpty() ? QString::number(status)
                                      : QStringLiteral("%1 %2").arg(status).arg(reason));
}

ShareQueue::ShareQueue(Clock& clock, Transport& transport, Report report, Stop stop)
    : clock_(clock), transport_(transport), report_(std::move(report)), stop_(std::move(stop)) {}

void ShareQueue::Add(QByteArray body, std::uint64_t tag) {
    if (stopped_) {
        report_(tag, State::NotSent, tr("posting is switched off"));
        return;
    }
    items_.push_back({std::move(body), tag});
    report_(tag, State::Waiting, {});
    // Posted from the event loop: the throw's own work is done first.
    if (!posting_ && items_.size() == 1)
        clock_.WakeAt(std::max(clock_.Now(), notBefore_), [this] { Next(); });
}

void ShareQueue::Next() {
    if (posting_ || stopped_ || items_.empty()) return;
    if (clock_.Now() < notBefore_) {
        clock_.WakeAt(notBefore_, [this] { Next(); });
        return;
    }
    posting_ = true;
    ++items_.front().tries;
    transport_.Post(items_.front().body, [this](const Answer& answer) { Answered(answer); });
}

void ShareQueue::GiveUp(const QString& why) {
    report_(items_.front().tag, State::NotSent, why);
    items_.pop_front();
}

void ShareQueue::Answered(const Answer& answer) {
    posting_ = false;
    if (items_.empty()) return;
    const Millis now = clock_.Now();
    const int status = answer.status;
    if (status >= 200 && status < 300) {
        report_(items_.front().tag, State::Sent, {});
        items_.pop_front();
        // The limit used up: the next waits for its reset, so a burst is spread, not refused.
        bool known = false;
        const int remaining = answer.rateRemaining.trimmed().toInt(&known);
        const Millis reset = HeaderMillis(answer.rateResetAfter);
        if (known && remaining <= 0 && reset > 0) notBefore_ = now + reset;
    } else if (status == 429) {
        notBefore_ = now + RetryAfter(answer);
    } else if (Refused(status)) {
        GiveUp(answer.Text());
        stopped_ = true;
        while (!items_.empty())
            GiveUp(tr("posting was switched off"));
        stop_(tr("The webhook answered %1: posting is switched off. Throws go on; enter the "
                 "address again in Share to post them.")
                  .arg(answer.Text()));
        return;
    } else if (status == 0 || status >= 500) {
        if (items_.front().tries > Retries) {
            GiveUp(tr("%1, given up after %2 tries").arg(answer.Text()).arg(Retries + 1));
        } else {
            notBefore_ = now + (FirstRetryWait << (items_.front().tries - 1));
        }
    } else {
        GiveUp(answer.Text());  // a redirect, a malformed message: this one is not for posting
    }
    Next();
}

}  // namespace rollkin
