// A chat's answers under libFuzzer: any status, reason, body and pacing headers, answered to a
// queue of three throws. Every wait the queue asks for lies within its caps, nothing it reports
// runs past its bound or can be taken for markup, and nothing past an answer's first 64 KiB
// changes what it does.
#include <QByteArrayList>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "share/ShareQueue.h"

namespace {

using namespace rollkin;

void Check(bool holds, const char* what, const std::string& detail) {
    if (holds) return;
    std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

// Our own words around a text from outside are fewer than 400 characters.
void CheckShown(const QString& text) {
    Check(text.size() <= ShownTextLimit + 400 && !Qt::mightBeRichText(text), "shown badly",
          text.toStdString());
}

// Time stands still until the next wake-up; every post is answered with the next answer.
struct Webhook : Clock, Transport {
    Millis now = 0;
    std::function<void()> wake;
    std::function<void(const Answer&)> pending;
    std::string steps;
    Millis Now() const override { return now; }
    void WakeAt(Millis at, std::function<void()> w) override {
        Check(at >= now && at - now <= ShareQueue::LongestWait, "a wait outside its caps",
              std::to_string(at - now));
        now = at, wake = std::move(w);
    }
    void Post(const QByteArray& body, std::function<void(const Answer&)> answered) override {
        steps += body.toStdString() + "@" + std::to_string(now) + " ";
        pending = std::move(answered);
    }
};

std::string Run(const std::vector<Answer>& answers) {
    Webhook hook;
    ShareQueue queue(
        hook, hook,
        [&](std::uint64_t tag, ShareQueue::State state, const QString& why) {
            CheckShown(why);
            hook.steps += std::to_string(tag) + "=" + std::to_string(static_cast<int>(state)) + " ";
        },
        [&](const QString& message) { CheckShown(message), hook.steps += "stop "; });
    for (std::uint64_t tag = 1; tag <= 3; ++tag)
        queue.Add(QByteArray::number(tag), tag);
    for (const Answer& answer : answers) {
        while (!hook.pending && hook.wake)
            std::exchange(hook.wake, nullptr)();
        if (!hook.pending) break;
        std::exchange(hook.pending, nullptr)(answer);
        CheckShown(answer.Text());
    }
    return hook.steps;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Six fields an answer, split at \x01: status, reason, body, Retry-After,
    // X-RateLimit-Remaining, X-RateLimit-Reset-After. A few dozen answers reach every path.
    const QByteArrayList fields =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))
            .split('\x01');
    std::vector<Answer> answers, more;
    for (qsizetype at = 0; at + 6 <= fields.size() && answers.size() < 32; at += 6) {
        Answer answer{fields[at].toInt(),
                      QString::fromUtf8(fields[at + 1]),
                      fields[at + 2].leftJustified(AnswerBodyLimit, ' ', true),
                      fields[at + 3],
                      fields[at + 4],
                      fields[at + 5]};
        answers.push_back(answer);
        // The same answer with more after its first 64 KiB must take the same steps.
        answer.body += R"(} {"retry_after": 0.001})";
        more.push_back(answer);
    }
    const std::string steps = Run(answers), stepsWithMore = Run(more);
    Check(steps == stepsWithMore, "read past the limit", steps + " / " + stepsWithMore);
    return 0;
}
