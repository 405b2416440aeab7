#include "share/Webhook.h"

#include <arpa/inet.h>

#include <algorithm>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <QUrlQuery>

namespace rollkin {

namespace {

constexpr const char* WhatEvery = "every";
constexpr const char* WhatChosen = "chosen";
constexpr const char* FormatDiscord = "discord";
constexpr const char* FormatSlack = "slack";
// A Discord id is a 64-bit number: at most 20 digits.
constexpr qsizetype LongestId = 20;
const QString Ellipsis = QStringLiteral("...");
// " = 123456": a tail longer than this is no total, and is cut as the rest.
constexpr qsizetype LongestTotal = 40;

bool IsLoopback(const QString& host) {
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0) return true;
    // inet_pton, not QHostAddress: the program does not link Qt's network module.
    const QByteArray text = host.toLatin1();
    in_addr v4{};
    in6_addr v6{};
    if (inet_pton(AF_INET, text.constData(), &v4) == 1) return (ntohl(v4.s_addr) >> 24) == 127;
    return inet_pton(AF_INET6, text.constData(), &v6) == 1 &&
           (IN6_IS_ADDR_LOOPBACK(&v6) || (IN6_IS_ADDR_V4MAPPED(&v6) && v6.s6_addr[12] == 127));
}

bool IsHostOrUnder(const QString& host, QLatin1String domain) {
    return host == domain ||
           (host.endsWith(domain) && host.at(host.size() - domain.size() - 1) == QLatin1Char('.'));
}

bool IsThreadId(const QString& id) {
    if (id.isEmpty() || id.size() > LongestId) return false;
    return std::all_of(id.begin(), id.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

}  // namespace

std::optional<ChatFormat> KnownFormat(const QString& text) {
    const QString host = QUrl(text.trimmed()).host().toLower();
    if (IsHostOrUnder(host, QLatin1String("discord.com")) ||
        IsHostOrUnder(host, QLatin1String("discordapp.com")))
        return ChatFormat::Discord;
    if (host == QLatin1String("hooks.slack.com")) return ChatFormat::Slack;
    return std::nullopt;
}

int FormatLimit(ChatFormat format) {
    return format == ChatFormat::Slack ? SlackTextLimit : ContentLimit;
}

ChatFormat ShareSettings::Format() const {
    return KnownFormat(webhook).value_or(format);
}

QString ShareSettings::Content(const QString& line, const QString& named) const {
    return ShareContent(named.isEmpty() ? name : named, line, FormatLimit(Format()));
}

QByteArray ShareSettings::Message(const QString& content) const {
    return WebhookMessage(content, Format(), quiet);
}

bool ShareSettings::Wants(ThrowSource source) const {
    return everyThrow || source != ThrowSource::DiceButton;
}

QVariantMap ShareSettings::ToMap() const {
    return {{QStringLiteral("webhook"), webhook},
            {QStringLiteral("name"), name},
            {QStringLiteral("what"), QLatin1String(everyThrow ? WhatEvery : WhatChosen)},
            {QStringLiteral("clipboard"), copyToClipboard},
            {QStringLiteral("enabled"), enabled},
            {QStringLiteral("format"),
             QLatin1String(format == ChatFormat::Slack ? FormatSlack : FormatDiscord)},
            {QStringLiteral("quiet"), quiet}};
}

ShareSettings ShareSettings::FromMap(const QVariantMap& map) {
    ShareSettings s;
    s.webhook = map.value(QStringLiteral("webhook")).toString().trimmed();
    s.name = map.value(QStringLiteral("name")).toString();
    s.everyThrow = map.value(QStringLiteral("what")).toString() != QLatin1String(WhatChosen);
    s.copyToClipboard = map.value(QStringLiteral("clipboard"), false).toBool();
    s.enabled = map.value(QStringLiteral("enabled"), true).toBool();
    s.format = map.value(QStringLiteral("format")).toString() == QLatin1String(FormatSlack)
                   ? ChatFormat::Slack
                   : ChatFormat::Discord;
    s.quiet = map.value(QStringLiteral("quiet"), false).toBool();
    return s;
}

QString ShareContent(const QString& name, const QString& line, int limit) {
    QString content =
        name.trimmed().isEmpty() ? line : name.trimmed() + QStringLiteral(": ") + line;
    if (content.size() <= limit) return content;
    // The total stays: the dice before it are cut.
    qsizetype total = content.lastIndexOf(QLatin1String(" = "));
    if (total < 0 || content.size() - total > LongestTotal) total = content.size();
    qsizetype keep = limit - Ellipsis.size() - (content.size() - total);
    if (content.at(keep - 1).isHighSurrogate()) --keep;  // never half a character
    return content.left(keep) + Ellipsis + content.mid(total);
}

QByteArray WebhookMessage(const QString& content, ChatFormat format, bool quiet) {
    QJsonObject message;
    if (format == ChatFormat::Slack) {
        // Slack reads <...> as links and mentions (<!channel>), & as an entity: the three are
        // escaped, and no markup is read, so a line shows as thrown.
        QString text = content;
        text.replace(QLatin1Char('&'), QLatin1String("&amp;"))
            .replace(QLatin1Char('<'), QLatin1String("&lt;"))
            .replace(QLatin1Char('>'), QLatin1String("&gt;"));
        message = {{QStringLiteral("text"), text}, {QStringLiteral("mrkdwn"), false}};
    } else {
        message = {{QStringLiteral("content"), content},
                   {QStringLiteral("username"), QStringLiteral("Dice Rollkin")},
                   {QStringLiteral("allowed_mentions"),
                    QJsonObject{{QStringLiteral("parse"), QJsonArray()}}}};
        if (quiet) message.insert(QStringLiteral("flags"), QuietFlag);
    }
    return QJsonDocument(message).toJson(QJsonDocument::Compact);
}

std::optional<QString> WebhookUrl::Refusal(const QString& text) {
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    if (text.trimmed().isEmpty()) return tr("The webhook address is empty.");
    if (!url.isValid() || url.host().isEmpty())
        return tr("This is not a web address: it should look like https://host/path.");
    if (!url.userInfo().isEmpty()) return tr("A webhook address holds no user name or password.");
    const QStringList threads = QUrlQuery(url).allQueryItemValues(QStringLiteral("thread_id"));
    if (!threads.isEmpty() && (threads.size() > 1 || !IsThreadId(threads.front())))
        return tr("The thread_id in the address should be one thread's number: digits only.");
    if (url.scheme() == QLatin1String("https")) return std::nullopt;
    if (url.scheme() == QLatin1String("http") && IsLoopback(url.host())) return std::nullopt;
    if (url.scheme() == QLatin1String("http"))
        return tr(
            "Only https:// addresses are taken (http:// only to this computer, for "
            "testing).");
    return tr("Only https:// addresses are taken.");
}

QString WebhookUrl::Masked(const QString& text) {
    const QUrl url(text.trimmed());
    if (!url.isValid() || url.host().isEmpty()) return QStringLiteral("…");
    return url.scheme() + QStringLiteral("://") + url.host() + QStringLiteral("/…");
}

}  // namespace rollkin
