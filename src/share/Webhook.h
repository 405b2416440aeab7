#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVariantMap>
#include <optional>

namespace rollkin {

// The body a chat's incoming webhook takes: Discord's `content`, or the `text` of Slack and of the
// chats that copy it (Mattermost, Rocket.Chat, Zulip's Slack integration, Matrix's hookshot).
enum class ChatFormat { Discord, Slack };

// Where a throw comes from, for the choice of what to post.
enum class ThrowSource { DiceButton, SavedRoll, RollWindow };

// The player's choices in the Share window, kept in the settings file's group `Share`:
//   webhook    the chat's incoming webhook URL (a secret: never printed or logged)
//   name       how the group knows the player ("Rogue"), put before each line
//   what       "every" (every throw, the default) or "chosen" (saved rolls and the Roll
//              window's rolls only)
//   clipboard  true: each throw is also copied to the clipboard
//   enabled    false once the webhook refused (401, 403, 404, 410); saving the window again
//              switches posting back on
//   format     "discord" (the default) or "slack": the body for a host not known by name
//   quiet      true: Discord posts without notifying the channel
struct ShareSettings {
    QString webhook;
    QString name;
    bool everyThrow = true;
    bool copyToClipboard = false;
    bool enabled = true;
    ChatFormat format = ChatFormat::Discord;
    bool quiet = false;

    // Whether a throw from this source is posted (and copied).
    bool Wants(ThrowSource source) const;
    // Whether throws go to the webhook at all.
    bool Posting() const { return enabled && !webhook.isEmpty(); }
    // The body posted: the host's own where it is known, else the one chosen.
    ChatFormat Format() const;
    // The line as posted (and copied), cut to the format's limit.
    // `name`, when given, in place of the settings' own (the current character's Share name).
    QString Content(const QString& line, const QString& name = {}) const;
    // The webhook's JSON body for a content, in the format posted.
    QByteArray Message(const QString& content) const;

    QVariantMap ToMap() const;
    // Missing or unreadable keys keep their defaults.
    static ShareSettings FromMap(const QVariantMap& map);

    bool operator==(const ShareSettings&) const = default;
};

// The longest content a Discord message takes, in characters.
constexpr int ContentLimit = 2000;
// The longest text Slack advises for a message (it cuts one only past 40,000).
constexpr int SlackTextLimit = 4000;
// Discord's SUPPRESS_NOTIFICATIONS message flag.
constexpr int QuietFlag = 4096;

// The format of a host known by name (discord.com, discordapp.com, hooks.slack.com); none for
// another host, which may run any chat.
std::optional<ChatFormat> KnownFormat(const QString& url);
int FormatLimit(ChatFormat format);

// "Rogue: d20+7: 14 + 7 = 21" (the bare line without a name), cut to `limit` with "...": the
// dice are cut, the line's last " = TOTAL" kept.
QString ShareContent(const QString& name, const QString& line, int limit = ContentLimit);
// The webhook's JSON body for a content: no line can mention anyone. Discord's `content`, its
// flag to post without notifying when quiet; Slack's `text`, its control characters escaped.
QByteArray WebhookMessage(const QString& content, ChatFormat format = ChatFormat::Discord,
                          bool quiet = false);

class WebhookUrl {
    Q_DECLARE_TR_FUNCTIONS(WebhookUrl)

public:
    // Why an address is refused, or nothing when it is taken: https:// to any host, http://
    // only to this computer (127.0.0.0/8, ::1, localhost), for testing. A Discord thread
    // (`?thread_id=`) is named by its number.
    static std::optional<QString> Refusal(const QString& url);
    // The address with its secret part hidden, for messages: "https://discord.com/…".
    static QString Masked(const QString& url);
};

}  // namespace rollkin
