#pragma once

#include <QNetworkAccessManager>
#include <QUrl>

#include "share/ShareQueue.h"

namespace rollkin {

// Posts to the webhook with Qt's network module, nothing blocking: no redirect followed, no
// answer within AnswerTimeout taken as none. Destroyed, it drops what is on its way and tells
// nobody.
class NetworkTransport final : public WebhookTransport {
    Q_DECLARE_TR_FUNCTIONS(NetworkTransport)

public:
    static constexpr int AnswerTimeout = 10000;  // milliseconds

    NetworkTransport() = default;
    void SetUrl(const QUrl& url) override { url_ = url; }
    void Post(const QByteArray& body, std::function<void(const Answer&)> answered) override;

private:
    QNetworkAccessManager manager_;
    // Declared after the manager, so gone first: the answers that its end aborts reach nobody.
    QObject receiver_;
    QUrl url_;
};

}  // namespace rollkin

// The module's one entry, found by TransportModule: a new transport, the caller's to delete.
extern "C" rollkin::WebhookTransport* rollkin_new_transport();
