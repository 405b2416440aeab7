// A chat's answers under libFuzzer: any status, reason, body and pacing headers, answered to a
// queue of three throws. Every wait the queue asks for lies within its caps, nothing it reports
// can be taken for markup or runs past its bound, and nothing past an answer's first 64 KiB
// changes what it does.
#include <QByteArray>
#include <QByteArrayList>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "share/ShareQueue.h"

namespace {

using namespace rollkin;

// Our own words around a text from outside: the longest message is shorter than this.
constexpr int OwnWords = 400;

void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

void CheckShown(const QString& text) {
    if (text.size() > ShownTextLimit + OwnWords) Fail("too long", text.toStdString());
    if (Qt::mightBeRichText(text)) Fail("taken for markup", text.toStdString());
}

struct Webhook : Clock, Transport {
    Millis now = 0;
    std::function<void()> wake;
    std::function<void(const Answer&)> pending;
    std::string timeline;
    Millis Now() const override { return now; }
    void WakeAt(Millis at, std::function<void()> w) override {
        if (at < now || at - now > ShareQueue::LongestWait)
            Fail("a wait outside its caps", std::to_string(at - now));
        now = std::max(now, at);
        wake = std::move(w);
    }
    void Post(const QByteArray& body, std::function<void(const Answer&)> answered) override {
        timeline += body.toStdString() + "@" + std::to_string(now) + " ";
        pending = std::move(answered);
    }
};

// What the queue does with these answers, step by step.
std::string Run(const std::vector<Answer>& answers) {
    Webhook hook;
    ShareQueue queue(
        hook, hook,
        [&](std::uint64_t tag, ShareQueue::State state, const QString& why) {
            CheckShown(why);
            hook.timeline += std::to_string(tag) + "=" + std::to_string(static_cast<int>(state)) +
                             why.toStdString() + " ";
        },
        [&](const QString& message) {
            CheckShown(message);
            hook.timeline += "stop ";
        });
    for (std::uint64_t tag = 1; tag <= 3; ++tag)
        queue.Add(QByteArray::number(tag), tag);
    for (const Answer& answer : answers) {
        while (!hook.pending && hook.wake)
            std::exchange(hook.wake, nullptr)();
        if (!hook.pending) break;
        std::exchange(hook.pending, nullptr)(answer);
        CheckShown(answer.Text());
    }
    return hook.timeline;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Six fields an answer, split at \x01: status, reason, body, Retry-After,
    // X-RateLimit-Remaining, X-RateLimit-Reset-After.
    const QByteArrayList fields =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))
            .split('\x01');
    std::vector<Answer> answers, padded;
    // A few dozen answers reach every path; more would only slow the runs.
    for (qsizetype at = 0; at + 6 <= fields.size() && answers.size() < 32; at += 6) {
        Answer answer{fields[at].toInt(), QString::fromUtf8(fields[at + 1]),
                      fields[at + 2],     fields[at + 3],
                      fields[at + 4],     fields[at + 5]};
        answers.push_back(answer);
        // The same answer with more after its first 64 KiB: the same steps.
        answer.body =
            answer.body.leftJustified(AnswerBodyLimit, ' ', true) + R"(} {"retry_after": 0.001})";
        padded.push_back(answer);
        answers.back().body = padded.back().body.left(AnswerBodyLimit);
    }
    const std::string plain = Run(answers), more = Run(padded);
    if (plain != more) Fail("read past the limit", plain + " / " + more);
    return 0;
}
