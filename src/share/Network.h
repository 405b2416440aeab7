#pragma once

#include <QNetworkAccessManager>
#include <QUrl>

#include "share/ShareQueue.h"

namespace rollkin {

// Posts to the webhook with Qt's network module, nothing blocking: no redirect followed, an
// answer not whole within AnswerTimeout of the post taken as none, at most AnswerBodyLimit bytes
// of a body read. Destroyed, it drops what is on its way and tells nobody.
class NetworkTransport final : public WebhookTransport {
    Q_DECLARE_TR_FUNCTIONS(NetworkTransport)

public:
    static constexpr int AnswerTimeout = 10000;  // milliseconds, for the whole answer

    NetworkTransport() = default;
    void SetUrl(const QUrl& url) override { url_ = url; }
    void Post(const QByteArray& body, std::function<void(const Answer&)> answered) override;

private:
    QNetworkAccessManager manager_;
    // Declared after the manager, so gone first: the answers that its end aborts reach nobody.
    QObject receiver_;
    QUrl url_;
};

// "no answer in 10 s": what a post that ran out of time is told.
QString NoAnswerWords();

}  // namespace rollkin

// The module's one entry, found by TransportModule: a new transport, the caller's to delete.
extern "C" rollkin::WebhookTransport* rollkin_new_transport();
