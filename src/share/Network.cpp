#include "share/Network.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <utility>

namespace rollkin {

namespace {

// A network error in words of our own: Qt's errorString() names the address, which is secret.
QString ErrorWords(QNetworkReply::NetworkError error) {
    switch (error) {
        case QNetworkReply::ConnectionRefusedError:
            return NetworkTransport::tr("connection refused");
        case QNetworkReply::HostNotFoundError:
            return NetworkTransport::tr("host not found");
        case QNetworkReply::TimeoutError:
        case QNetworkReply::OperationCanceledError:  // the transfer timeout
            return NetworkTransport::tr("no answer in %1 s")
                .arg(NetworkTransport::AnswerTimeout / 1000);
        case QNetworkReply::SslHandshakeFailedError:
            return NetworkTransport::tr("secure connection failed");
        default:
            return NetworkTransport::tr("network error %1").arg(static_cast<int>(error));
    }
}

}  // namespace

void NetworkTransport::Post(const QByteArray& body, std::function<void(const Answer&)> answered) {
    QNetworkRequest request(url_);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(AnswerTimeout);
    QNetworkReply* reply = manager_.post(request, body);
    QObject::connect(
        reply, &QNetworkReply::finished, &receiver_, [reply, answered = std::move(answered)] {
            reply->deleteLater();
            Answer answer;
            answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            if (answer.status == 0) {
                answer.reason = ErrorWords(reply->error());
            } else {
                answer.reason =
                    reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
                answer.body = reply->readAll();
                answer.retryAfter = reply->rawHeader("Retry-After");
                answer.rateRemaining = reply->rawHeader("X-RateLimit-Remaining");
                answer.rateResetAfter = reply->rawHeader("X-RateLimit-Reset-After");
            }
            answered(answer);
        });
}

}  // namespace rollkin

extern "C" rollkin::WebhookTransport* rollkin_new_transport() {
    return new rollkin::NetworkTransport;
}
