#include "share/ShareController.h"

#include <QTimer>
#include <QUrl>
#include <utility>

#include "share/ShareQueue.h"
#include "share/TimerClock.h"

namespace rollkin {

ShareController::ShareController(Transports transports) : transports_(std::move(transports)) {}

ShareController::~ShareController() {
    // Posts on their way are dropped: the transports go before the queue they answer.
    testTransport_.reset();
    transport_.reset();
    queue_.reset();
}

void ShareController::Start(const QVariantMap& kept) {
    kept_ = ShareSettings::FromMap(kept);
    if (!kept.isEmpty()) SetSharing(kept_);
}

void ShareController::Change(const ShareSettings& settings) {
    SetSharing(settings);
    KeepSharing();
}

void ShareController::KeepSharing() {
    // Kept whatever "Remember Settings" says: entering an address is asking to keep it.
    // Nothing changed (the defaults and no file among them) writes nothing.
    if (sharing_ == kept_) return;
    kept_ = sharing_;
    emit KeepAsked(Group(), sharing_.ToMap());
}

void ShareController::SetSharing(const ShareSettings& settings) {
    sharing_ = settings;
    // An address from the settings file may be one the window would have refused.
    if (const auto refusal = WebhookUrl::Refusal(sharing_.webhook); refusal && sharing_.Posting()) {
        SharingStopped(*refusal);
        return;
    }
    // The queue and its transport come at the first throw posted, not before.
    if (!sharing_.Posting() || !queue_) return;
    transport_->SetUrl(QUrl(sharing_.webhook));
    queue_->Restart();
}

TransportModule::Loaded ShareController::NewTransport() const {
    return transports_ ? transports_() : TransportModule::New({});
}

ShareQueue* ShareController::Queue() {
    if (queue_) return queue_.get();
    TransportModule::Loaded loaded = NewTransport();
    if (!loaded.transport) {
        SharingStopped(loaded.message);
        return nullptr;
    }
    transport_ = std::move(loaded.transport);
    clock_ = std::make_unique<TimerClock>();
    transport_->SetUrl(QUrl(sharing_.webhook));
    const auto report = [this](std::uint64_t serial, ShareQueue::State state, const QString& why) {
        using Post = ThrowHistory::Post;
        const Post post = state == ShareQueue::State::Sent      ? Post::Sent
                          : state == ShareQueue::State::Waiting ? Post::Waiting
                                                                : Post::NotSent;
        emit Marked(serial, post, why);
    };
    queue_ = std::make_unique<ShareQueue>(
        *clock_, *transport_, report, [this](const QString& message) { SharingStopped(message); });
    return queue_.get();
}

void ShareController::ShareThrow(const QString& plainLine, ThrowSource source,
                                 std::uint64_t serial) {
    if (!sharing_.Wants(source)) return;
    const QString content = sharing_.Content(plainLine, characterName_);
    if (sharing_.copyToClipboard) emit CopyAsked(content);
    if (ShareQueue* queue = sharing_.Posting() ? Queue() : nullptr)
        queue->Add(sharing_.Message(content), serial);
}

void ShareController::SharingStopped(const QString& message) {
    sharing_.enabled = false;
    KeepSharing();  // switched off until the player saves the Share window again
    // Told from the event loop, not from within the answer that stopped posting.
    QTimer::singleShot(0, this, [this, message] { emit Stopped(message); });
}

void ShareController::PostTest(const QString& webhook, const QByteArray& message) {
    if (!testTransport_) {
        TransportModule::Loaded loaded = NewTransport();
        if (!loaded.transport) {
            emit TestAnswered(Answer{0, loaded.error, {}, {}, {}, {}}, webhook);
            return;
        }
        testTransport_ = std::move(loaded.transport);
    }
    testTransport_->SetUrl(QUrl(webhook));
    testTransport_->Post(
        message, [this, webhook](const Answer& answer) { emit TestAnswered(answer, webhook); });
}

}  // namespace rollkin
