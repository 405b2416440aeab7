#include "share/Webhook.h"

#include <arpa/inet.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace rollkin {

namespace {

constexpr const char* WhatEvery = "every";
constexpr const char* WhatChosen = "chosen";
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

}  // namespace

bool ShareSettings::Wants(ThrowSource source) const {
    return everyThrow || source != ThrowSource::DiceButton;
}

QVariantMap ShareSettings::ToMap() const {
    return {{QStringLiteral("webhook"), webhook},
            {QStringLiteral("name"), name},
            {QStringLiteral("what"), QLatin1String(everyThrow ? WhatEvery : WhatChosen)},
            {QStringLiteral("clipboard"), copyToClipboard},
            {QStringLiteral("enabled"), enabled}};
}

ShareSettings ShareSettings::FromMap(const QVariantMap& map) {
    ShareSettings s;
    s.webhook = map.value(QStringLiteral("webhook")).toString().trimmed();
    s.name = map.value(QStringLiteral("name")).toString();
    s.everyThrow = map.value(QStringLiteral("what")).toString() != QLatin1String(WhatChosen);
    s.copyToClipboard = map.value(QStringLiteral("clipboard"), false).toBool();
    s.enabled = map.value(QStringLiteral("enabled"), true).toBool();
    return s;
}

QString ShareContent(const QString& name, const QString& line) {
    QString content =
        name.trimmed().isEmpty() ? line : name.trimmed() + QStringLiteral(": ") + line;
    if (content.size() <= ContentLimit) return content;
    // The total stays: the dice before it are cut.
    qsizetype total = content.lastIndexOf(QLatin1String(" = "));
    if (total < 0 || content.size() - total > LongestTotal) total = content.size();
    qsizetype keep = ContentLimit - Ellipsis.size() - (content.size() - total);
    if (content.at(keep - 1).isHighSurrogate()) --keep;  // never half a character
    return content.left(keep) + Ellipsis + content.mid(total);
}

QByteArray WebhookMessage(const QString& content) {
    const QJsonObject message{
        {QStringLiteral("content"), content},
        {QStringLiteral("username"), QStringLiteral("Dice Rollkin")},
        {QStringLiteral("allowed_mentions"), QJsonObject{{QStringLiteral("parse"), QJsonArray()}}}};
    return QJsonDocument(message).toJson(QJsonDocument::Compact);
}

std::optional<QString> WebhookUrl::Refusal(const QString& text) {
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    if (text.trimmed().isEmpty()) return tr("The webhook address is empty.");
    if (!url.isValid() || url.host().isEmpty())
        return tr("This is not a web address: it should look like https://host/path.");
    if (!url.userInfo().isEmpty()) return tr("A webhook address holds no user name or password.");
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
