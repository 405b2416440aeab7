#include "share/Network.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
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
        case QNetworkReply::OperationCanceledError:
            return NoAnswerWords();
        case QNetworkReply::SslHandshakeFailedError:
            return NetworkTransport::tr("secure connection failed");
        default:
            return NetworkTransport::tr("network error %1").arg(static_cast<int>(error));
    }
}

// One post on its way: its answer read as it comes, at most AnswerBodyLimit bytes of it, and
// given up whole once AnswerTimeout has passed since the post, however the bytes trickle in.
class PostOnItsWay final : public QObject {
public:
    PostOnItsWay(QNetworkReply* reply, std::function<void(const Answer&)> answered, QObject* parent)
        : QObject(parent), reply_(reply), answered_(std::move(answered)) {
        reply_->setParent(this);
        // Qt is asked to hold no more of the body than is taken.
        reply_->setReadBufferSize(AnswerBodyLimit);
        connect(reply_, &QNetworkReply::metaDataChanged, this, [this] { Headers(); });
        connect(reply_, &QNetworkReply::readyRead, this, [this] { Read(); });
        connect(reply_, &QNetworkReply::finished, this, [this] { Finished(); });
        auto* deadline = new QTimer(this);
        deadline->setSingleShot(true);
        connect(deadline, &QTimer::timeout, this, [this] { Done(NoAnswer()); });
        deadline->start(NetworkTransport::AnswerTimeout);
    }

private:
    static Answer NoAnswer() { return Answer{0, NoAnswerWords(), {}, {}, {}, {}}; }

    // What came, as far as it came: the status and the headers, the body up to its limit.
    Answer Came() const {
        Answer answer;
        answer.status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (answer.status == 0) {
            answer.reason = ErrorWords(reply_->error());
            return answer;
        }
        // Made fit to show by Answer::Text(); bounded here already.
        answer.reason = reply_->attribute(QNetworkRequest::HttpReasonPhraseAttribute)
                            .toString()
                            .left(ShownTextLimit);
        answer.body = body_;
        answer.retryAfter = reply_->rawHeader("Retry-After").left(ShownTextLimit);
        answer.rateRemaining = reply_->rawHeader("X-RateLimit-Remaining").left(ShownTextLimit);
        answer.rateResetAfter = reply_->rawHeader("X-RateLimit-Reset-After").left(ShownTextLimit);
        return answer;
    }

    // Only a 429's body is read, for the wait it may name: any other answer is whole with its
    // headers, and a body too long to read is not begun.
    void Headers() {
        const QVariant status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (!status.isValid()) return;
        if (status.toInt() != 429 ||
            reply_->header(QNetworkRequest::ContentLengthHeader).toLongLong() > AnswerBodyLimit)
            Done(Came());
    }

    void Read() {
        body_ += reply_->read(AnswerBodyLimit - body_.size());
        // The rest is not wanted: the connection goes, and with it whatever was still to come.
        if (body_.size() >= AnswerBodyLimit) Done(Came());
    }

    void Finished() {
        if (reply_->error() == QNetworkReply::NoError ||
            reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
            Read();
        if (answered_) Done(Came());
    }

    // Answers once; the reply goes with this post, aborted if still open.
    void Done(const Answer& answer) {
        if (!answered_) return;
        reply_->disconnect(this);
        reply_->abort();
        std::exchange(answered_, nullptr)(answer);
        deleteLater();
    }

    QNetworkReply* reply_;
    std::function<void(const Answer&)> answered_;
    QByteArray body_;
};

}  // namespace

QString NoAnswerWords() {
    return NetworkTransport::tr("no answer in %1 s").arg(NetworkTransport::AnswerTimeout / 1000);
}

void NetworkTransport::Post(const QByteArray& body, std::function<void(const Answer&)> answered) {
    QNetworkRequest request(url_);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    // Unpacked, an answer could be any size: only the bytes as sent are counted and read.
    request.setRawHeader("Accept-Encoding", "identity");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    new PostOnItsWay(manager_.post(request, body), std::move(answered), &receiver_);
}

}  // namespace rollkin

extern "C" rollkin::WebhookTransport* rollkin_new_transport() {
    return new rollkin::NetworkTransport;
}
