#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVariantMap>
#include <optional>

namespace rollkin {

// Where a throw comes from, for the choice of what to post.
enum class ThrowSource { DiceButton, SavedRoll, RollWindow };

// The player's choices in the Share window, kept in the settings file's group `Share`:
//   webhook    the chat's incoming webhook URL (a secret: never printed or logged)
//   name       how the group knows the player ("Rogue"), put before each line
//   what       "every" (every throw, the default) or "chosen" (saved rolls and the Roll
//              window's rolls only)
//   clipboard  true: each throw is also copied to the clipboard
//   enabled    false once the webhook refused (401, 403, 404); saving the window again
//              switches posting back on
struct ShareSettings {
    QString webhook;
    QString name;
    bool everyThrow = true;
    bool copyToClipboard = false;
    bool enabled = true;

    // Whether a throw from this source is posted (and copied).
    bool Wants(ThrowSource source) const;
    // Whether throws go to the webhook at all.
    bool Posting() const { return enabled && !webhook.isEmpty(); }

    QVariantMap ToMap() const;
    // Missing or unreadable keys keep their defaults.
    static ShareSettings FromMap(const QVariantMap& map);

    bool operator==(const ShareSettings&) const = default;
};

// The longest content a chat message takes, in characters.
constexpr int ContentLimit = 2000;

// "Rogue: d20+7: 14 + 7 = 21" (the bare line without a name), cut to ContentLimit with "...":
// the dice are cut, the line's last " = TOTAL" kept.
QString ShareContent(const QString& name, const QString& line);
// The webhook's JSON body for a content: no line can mention anyone.
QByteArray WebhookMessage(const QString& content);

class WebhookUrl {
    Q_DECLARE_TR_FUNCTIONS(WebhookUrl)

public:
    // Why an address is refused, or nothing when it is taken: https:// to any host, http://
    // only to this computer (127.0.0.0/8, ::1, localhost), for testing.
    static std::optional<QString> Refusal(const QString& url);
    // The address with its secret part hidden, for messages: "https://discord.com/…".
    static QString Masked(const QString& url);
};

}  // namespace rollkin
