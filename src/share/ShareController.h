#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>
#include <cstdint>
#include <functional>
#include <memory>

#include "share/ShareQueue.h"
#include "share/TransportModule.h"
#include "share/Webhook.h"
#include "state/ThrowHistory.h"

namespace rollkin {

class TimerClock;

// Posting throws to the group's chat as Share's settings ask: the queue, the transport module
// (loaded at the first throw posted), the Test post, and the marks History shows. It reaches
// nothing outside share/: what it asks of the desktop, the settings file or History goes out
// by its signals, which Program connects.
class ShareController final : public QObject {
    Q_OBJECT

public:
    // Where Share's transports come from: the network module in a run, a stand-in in tests.
    // Without one nothing is ever posted: posting stops at the first throw, with a message.
    using Transports = std::function<TransportModule::Loaded()>;

    explicit ShareController(Transports transports);
    ~ShareController() override;

    // The group of the settings file that keeps Share's settings.
    static QString Group() { return QStringLiteral("Share"); }
    // Takes the settings as kept in that group, at start.
    void Start(const QVariantMap& kept);

    // How throws reach the group's chat. Held for the run; SetSharing changes it.
    const ShareSettings& Sharing() const { return sharing_; }
    void SetSharing(const ShareSettings& settings);
    // The player saved the Share window: the settings are taken, and kept.
    void Change(const ShareSettings& settings);
    // The current character's Share name, posted in place of Share's own; empty: Share's.
    void SetCharacterName(const QString& name) { characterName_ = name; }
    // Posts a throw (and copies it) as the settings ask; `serial` is its number in History,
    // whose line is marked as waiting, then posted or not sent.
    void ShareThrow(const QString& plainLine, ThrowSource source, std::uint64_t serial);
    // Posts the Share window's test message to `webhook`; the answer comes by TestAnswered.
    void PostTest(const QString& webhook, const QByteArray& message);

signals:
    // Text for the clipboard.
    void CopyAsked(const QString& text);
    // A throw's post changed: History marks its line.
    void Marked(std::uint64_t serial, rollkin::ThrowHistory::Post post, const QString& why);
    // Posting stopped, and why: told to the player from the event loop.
    void Stopped(const QString& message);
    // The Test post's answer, for the Share window.
    void TestAnswered(const rollkin::Answer& answer, const QString& webhook);
    // Share's settings changed from those kept: the settings file's group takes `values`,
    // whatever "Remember Settings" says.
    void KeepAsked(const QString& group, const QVariantMap& values);

private:
    // None when the network module cannot be loaded: then posting is switched off, and said.
    ShareQueue* Queue();
    TransportModule::Loaded NewTransport() const;
    void SharingStopped(const QString& message);
    // The settings into the settings file, when they differ from what it holds.
    void KeepSharing();

    ShareSettings sharing_;
    ShareSettings kept_;  // as the settings file holds them
    QString characterName_;
    std::unique_ptr<TimerClock> clock_;
    Transports transports_;
    std::unique_ptr<WebhookTransport> transport_;
    std::unique_ptr<WebhookTransport> testTransport_;
    std::unique_ptr<ShareQueue> queue_;
};

}  // namespace rollkin
