#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <map>
#include <optional>

#include "FakeDesktop.h"
#include "ProgramFixture.h"
#include "forms/frmHistory.h"
#include "forms/frmShare.h"
#include "settings/SavedRollsModel.h"
#include "share/ShareQueue.h"
#include "share/TransportModule.h"
#include "share/Webhook.h"
#include "state/ThrowHistory.h"

namespace rollkin::test {
namespace {

// Time stands still until the test moves it to the next wake-up; each post waits for the
// test's answer.
struct FakeWebhook : Clock, Transport {
    Millis now = 0, at = -1;
    std::function<void()> wake;
    std::function<void(const Answer&)> pending;
    QStringList posts;  // "a@1500": the message's content and the time it was posted
    Millis Now() const override { return now; }
    void WakeAt(Millis when, std::function<void()> w) override { at = when, wake = std::move(w); }
    void Post(const QByteArray& body, std::function<void(const Answer&)> answered) override {
        posts << QStringLiteral("%1@%2")
                     .arg(QJsonDocument::fromJson(body).object().value("content").toString())
                     .arg(now);
        pending = std::move(answered);
    }
};

Answer A(int status, QByteArray body = {}, QByteArray retryAfter = {}, QByteArray remaining = {},
         QByteArray resetAfter = {}) {
    return {status, {}, body, retryAfter, remaining, resetAfter};
}

// Three throws a, b, c at once; the webhook answers as scripted.
TEST(ShareQueue, KeepsTheOrderAndPacesByTheAnswers) {
    struct Row {
        const char* what;
        std::vector<Answer> answers;
        const char* posts;
        const char* states;  // S sent, N not sent, per throw
    };
    const Answer ok = A(204), none = A(0);
    // clang-format off
    const Row rows[] = {
        {"all taken", {ok, ok, ok}, "a@0 b@0 c@0", "SSS"},
        {"429, retry_after", {A(429, R"({"retry_after": 1.5})"), ok, ok, ok}, "a@0 a@1500 b@1500 c@1500", "SSS"},
        {"429, Retry-After", {A(429, {}, "2"), ok, ok, ok}, "a@0 a@2000 b@2000 c@2000", "SSS"},
        {"429, beyond every wait", {A(429, {}, "1e300"), ok, ok, ok}, "a@0 a@600000 b@600000 c@600000", "SSS"},
        {"limit used up", {A(204, {}, {}, "0", "0.5"), A(204, {}, {}, "0", "0.25"), ok}, "a@0 b@500 c@750", "SSS"},
        {"limit left", {A(204, {}, {}, "3", "9"), ok, ok}, "a@0 b@0 c@0", "SSS"},
        {"404", {A(404)}, "a@0", "NNN"},
        {"410, a channel archived", {A(410)}, "a@0", "NNN"},
        {"no answer", {none, none, none, none, ok, ok}, "a@0 a@1000 a@3000 a@7000 b@7000 c@7000", "NSS"},
        {"503, then taken", {A(503), ok, ok, ok}, "a@0 a@1000 b@1000 c@1000", "SSS"},
        {"a redirect", {A(301), ok, ok}, "a@0 b@0 c@0", "NSS"},
    };
    // clang-format on
    for (const Row& row : rows) {
        FakeWebhook hook;
        std::map<std::uint64_t, char> states;
        QStringList stops;
        ShareQueue queue(
            hook, hook,
            [&](std::uint64_t tag, ShareQueue::State state, const QString&) {
                states[tag] = "WSN"[static_cast<int>(state)];
            },
            [&](const QString& message) { stops << message; });
        for (const char* c : {"a", "b", "c"})
            queue.Add(WebhookMessage(c), static_cast<std::uint64_t>(*c));
        EXPECT_TRUE(hook.posts.isEmpty()) << row.what;  // never within the throw
        for (const Answer& answer : row.answers) {
            while (!hook.pending && hook.wake) {
                hook.now = std::max(hook.now, hook.at);
                std::exchange(hook.wake, nullptr)();
            }
            ASSERT_TRUE(hook.pending) << row.what;
            std::exchange(hook.pending, nullptr)(answer);
        }
        EXPECT_FALSE(hook.pending || hook.wake) << row.what;
        EXPECT_EQ(hook.posts.join(' ').toStdString(), row.posts) << row.what;
        std::string got;
        for (const auto& [tag, state] : states)
            got += state;
        EXPECT_EQ(got, row.states) << row.what;
        EXPECT_EQ(stops.size(), row.states == std::string("NNN")) << row.what;
        EXPECT_TRUE(stops.isEmpty() || stops[0].contains("answered 4")) << row.what;
    }
}

TEST(ShareQueue, TheMessageNamesThePlayerMentionsNobodyAndIsCutAtItsFormatsLimit) {
    EXPECT_EQ(WebhookMessage(ShareContent(" Rogue ", "d20+7: 14 + 7 = 21")),
              R"({"allowed_mentions":{"parse":[]},"content":"Rogue: d20+7: 14 + 7 = 21",)"
              R"("username":"Dice Rollkin"})");
    EXPECT_EQ(
        WebhookMessage("d6: 4", ChatFormat::Discord, true),
        R"({"allowed_mentions":{"parse":[]},"content":"d6: 4","flags":4096,"username":"Dice Rollkin"})");
    EXPECT_EQ(WebhookMessage("d20>15 & <!channel>", ChatFormat::Slack, true),
              R"({"mrkdwn":false,"text":"d20&gt;15 &amp; &lt;!channel&gt;"})");
    EXPECT_EQ(ShareContent("", "@everyone"), "@everyone");
    EXPECT_EQ(ShareContent("Rogue", QString(2100, 'x')), "Rogue: " + QString(1990, 'x') + "...");
    EXPECT_EQ(ShareContent("R", QString(1997, 'x')), "R: " + QString(1997, 'x'));  // just fits
    // The dice are cut, the total kept.
    const QString dice = "500d6: [" + QString(2990, '6') + "] = 1750";
    EXPECT_EQ(ShareContent("R", dice), "R: " + dice.left(1987) + "... = 1750");
    const auto slack = ShareSettings::FromMap({{"name", "R"}, {"format", "slack"}});
    const QString many = "500d6: [" + QString(4990, '6') + "] = 1750";
    EXPECT_EQ(slack.Content(many), "R: " + many.left(3987) + "... = 1750");
    EXPECT_EQ(slack.Content(QString(3997, 'x')), "R: " + QString(3997, 'x'));  // just fits
}

// A known host fixes the format; another takes the one chosen, Discord in a file without one.
TEST(ShareQueue, TheFormatComesFromAKnownHostElseFromTheChoice) {
    const std::tuple<const char*, const char*, ChatFormat> rows[] = {
        {"https://canary.discordapp.com/api/webhooks/1/x", "slack", ChatFormat::Discord},
        {"https://hooks.slack.com/services/T/B/x", "discord", ChatFormat::Slack},
        {"https://notdiscord.com/h", "slack", ChatFormat::Slack},
        {"https://chat.example.org/hooks/abc", "", ChatFormat::Discord}};
    for (const auto& [url, chosen, format] : rows) {
        const auto settings = ShareSettings::FromMap({{"webhook", url}, {"format", chosen}});
        EXPECT_EQ(settings.Format(), format) << url;
        EXPECT_EQ(ShareSettings::FromMap(settings.ToMap()), settings) << url;
    }
}

// Whatever a chat or a file says is shown as it came, on one line, within bounds, in a label
// that guesses the format as in one told it is plain.
TEST(ShareQueue, TextFromOutsideIsShownPlainAndShort) {
    const QString j(QChar(0x2060));
    const struct {
        QString in, shown;
    } rows[] = {
        {"Not Found", "Not Found"},
        {"<b>Gone</b> <a href=x>click</a><img src=y>",
         "<" + j + "b>Gone<" + j + "/b> <" + j + "a href=x>click<" + j + "/a><" + j + "img src=y>"},
        {"&lt;b&gt; &amp;", "&" + j + "lt;b&" + j + "gt; &" + j + "amp;"},
        {"two\nlines\x1b[31m\u202Eevil", "two\\x0alines\\x1b[31m\\u202eevil"},
        {QString(3000, 'x'), QString(199, 'x') + "…"},
        {QString(150, '<'), QString(99, '<').replace("<", "<" + j) + "…"},
    };
    for (const auto& row : rows) {
        const QString shown = ShownText(row.in);
        EXPECT_EQ(shown, row.shown) << row.in.toStdString();
        EXPECT_LE(shown.size(), ShownTextLimit);
        EXPECT_FALSE(Qt::mightBeRichText(shown)) << shown.toStdString();
        EXPECT_FALSE(Qt::mightBeRichText("Not sent: " + shown));
    }
    EXPECT_EQ(Answer({404, "<b>Gone</b>", {}, {}, {}, {}}).Text(),
              "404 <" + j + "b>Gone<" + j + "/b>");
}

TEST(ShareQueue, OnlyHttpsOrLoopbackHttpAddressesAreTaken) {
    // clang-format off
    const std::pair<const char*, bool> rows[] = {
        {"https://discord.com/api/webhooks/1/abc", true}, {"http://127.0.0.1:8080/hook", true},
        {"http://127.3.4.5/hook", true}, {"http://[::1]:9/hook", true}, {"http://localhost/h", true},
        {"http://[::ffff:127.0.0.1]/h", true}, {"http://[::2]/h", false},
        {"http://discord.com/api/webhooks/1/abc", false}, {"http://128.0.0.1/hook", false},
        {"http://localhost.example.com/hook", false}, {"https://user:pw@discord.com/h", false},
        {"ftp://127.0.0.1/hook", false}, {"file:///etc/passwd", false},
        {"discord.com/api/webhooks", false}, {"", false},
        {"https://d.com/h?wait=true&thread_id=1234567890123456789", true},
        {"https://d.com/h?thread_id=12a", false}, {"https://d.com/h?thread_id=", false},
        {"https://d.com/h?thread_id=1&thread_id=2", false}, {"https://d.com/h?thread_id=-1", false}};
    // clang-format on
    for (const auto& [url, taken] : rows)
        EXPECT_EQ(!WebhookUrl::Refusal(url), taken) << url;
    EXPECT_EQ(WebhookUrl::Masked("https://discord.com/api/webhooks/1/secret"),
              "https://discord.com/…");
}

TEST(ShareWindow, ARefusedAddressIsSaidAndNotTakenAndTheSecretIsMaskedUnlessEdited) {
    FakeDesktop desktop;
    frmShare window(desktop);
    QWidget strip;
    QSignalSpy changed(&window, &frmShare::Changed);
    window.Open(strip,
                ShareSettings::FromMap({{"webhook", "http://discord.com/api/webhooks/1/x"}}));
    EXPECT_EQ(window.txtWebhook->echoMode(), QLineEdit::Password);
    window.show();
    const QRect below = window.optEvery->geometry();
    window.cmdOK->click();
    EXPECT_EQ(changed.count(), 0);
    EXPECT_TRUE(window.lblError->text().startsWith("Only https://"));
    window.layout()->activate();
    EXPECT_EQ(window.optEvery->geometry(), below);  // the reason takes room kept for it
    // A Test's answer: plain, for the address it was posted to and only while that is entered.
    const QString posted = window.txtWebhook->text();
    window.ShowAnswer(A(404), "https://elsewhere.example/h");
    EXPECT_TRUE(window.lblAnswer->text().isEmpty());
    window.ShowAnswer({404, "<b>Gone</b>", {}, {}, {}, {}}, posted);
    EXPECT_EQ(window.lblAnswer->textFormat(), Qt::PlainText);
    EXPECT_TRUE(window.lblAnswer->text().startsWith("Not sent: 404 <"))
        << window.lblAnswer->text().toStdString();
    // A known host sets the format; posting quietly is Discord's alone.
    window.txtWebhook->setText("https://hooks.slack.com/services/T/B/secret");
    EXPECT_FALSE(window.cboFormat->isEnabled() || window.chkQuiet->isEnabled());
    EXPECT_EQ(window.cboFormat->currentText(), "Slack-compatible");
    window.txtWebhook->setText("https://discord.com/api/webhooks/1/secret");
    EXPECT_TRUE(window.lblAnswer->text().isEmpty() && window.lblError->text().isEmpty());
    window.optChosen->setChecked(true);
    window.chkQuiet->setChecked(true);
    window.cmdOK->click();
    ASSERT_EQ(changed.count(), 1);
    const auto taken = changed[0][0].value<ShareSettings>();
    EXPECT_EQ(taken.ToMap().value("what"), "chosen");
    EXPECT_TRUE(taken.quiet && taken.format == ChatFormat::Discord);
}

// The transport comes from the first folder that holds the network module; a folder without
// it is passed over, a file there that is no module is said, and so is no module anywhere.
TEST(TransportModule, LoadsFromTheFirstFolderThatHoldsItOrSaysWhyNot) {
    QTemporaryDir empty, broken;
    const QString name = QStringLiteral(ROLLKIN_NETWORK_MODULE);
    QFile file(broken.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("not a module") > 0);
    file.close();
    const struct {
        QStringList folders;
        QString error;  // the start of it; empty: a transport
    } rows[] = {
        {{empty.path()}, name + " is in none of the folders " + empty.path()},
        {{broken.path(), ROLLKIN_MODULE_BUILD_DIR}, "the network module could not be loaded ("},
        {{empty.path(), ROLLKIN_MODULE_BUILD_DIR}, ""},
    };
    for (const auto& row : rows) {
        TransportModule::Loaded loaded = TransportModule::New(row.folders);
        EXPECT_EQ(!loaded.transport, !row.error.isEmpty()) << row.folders.join(" ").toStdString();
        EXPECT_TRUE(loaded.error.contains(row.error)) << loaded.error.toStdString();
        EXPECT_EQ(loaded.message.isEmpty(), row.error.isEmpty());
        if (!loaded.transport) continue;
        // The module's transport posts: nobody listens on port 1 of this machine.
        std::optional<Answer> answer;
        LoopbackOnly transport(std::move(loaded.transport));
        transport.SetUrl(QUrl("http://127.0.0.1:1/hook"));
        transport.Post("{}", [&](const Answer& a) { answer = a; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 5000));
        EXPECT_EQ(answer->Text(), "connection refused");
    }
}

// A test that posts anywhere but this computer fails, and its post goes nowhere.
TEST(TransportModule, TheTestsTransportPostsToThisComputerAlone) {
    LoopbackOnly guard(TransportModule::New({ROLLKIN_MODULE_BUILD_DIR}).transport);
    EXPECT_NONFATAL_FAILURE(guard.SetUrl(QUrl("https://discord.com/api/webhooks/1/x")),
                            "a test tried to post to discord.com");
    std::optional<Answer> answer;
    guard.Post("{}", [&](const Answer& a) { answer = a; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 1000));
    EXPECT_EQ(answer->Text(), "not this computer");
}

using Sharing = ProgramFixture;

// No module beside the unit tests nor installed: one message, posting off, the throws go on.
TEST_F(Sharing, WithoutTheNetworkModulePostingStopsWithOneMessage) {
    program.Share().SetSharing(
        ShareSettings::FromMap({{"webhook", "https://discord.com/api/webhooks/1/x"}}));
    program.ShareThrow("d6: 4", ThrowSource::DiceButton);
    program.ShareThrow("d6: 5", ThrowSource::DiceButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !desktop.notices.empty(); }));
    QTest::qWait(20);
    ASSERT_EQ(desktop.notices.size(), 1u);
    EXPECT_TRUE(desktop.notices[0].startsWith("The network module could not be loaded ("));
}

// History's tooltip is rich text: what it quotes is escaped, and shown as it came.
TEST_F(Sharing, HistorysTooltipShowsWhyAsItCame) {
    program.Throws().Add(ThrowRecord{}, 0);
    program.Throws().Mark(program.Throws().Newest(), ThrowHistory::Post::NotSent,
                          "<b>Gone</b><img src=x>");
    QTextDocument tip;
    tip.setHtml(program.History().lstThrows->model()->index(0, 0).data(Qt::ToolTipRole).toString());
    EXPECT_EQ(tip.toPlainText(), "Not sent: <b>Gone</b><img src=x>");
}

TEST_F(Sharing, AnAddressTheWindowWouldRefuseIsSaidAndTheChosenThrowsAreCopied) {
    program.Share().SetSharing(ShareSettings::FromMap({{"webhook", "http://example.com/h"},
                                                       {"name", "Rogue"},
                                                       {"what", "chosen"},
                                                       {"clipboard", true}}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !desktop.notices.empty(); }));
    EXPECT_TRUE(desktop.notices[0].startsWith("Only https://"));
    program.ShareThrow("d6: 4", ThrowSource::DiceButton);
    EXPECT_TRUE(desktop.copied.empty());
    program.ShareThrow("d20+7: [14] + 7 = 21", ThrowSource::SavedRoll);
    EXPECT_EQ(desktop.copied, std::vector<QString>{"Rogue: d20+7: [14] + 7 = 21"});
    // The current character's Share name in place of Share's; none: Share's again.
    for (const auto& [character, named] : {std::pair{1, "Vex: d4: 2"}, {0, "Rogue: d4: 2"}}) {
        if (character == 1) program.Saved().Add({"Vex", "Vex", {}, {}});
        program.Saved().SetCurrent(character);
        program.ShareThrow("d4: 2", ThrowSource::SavedRoll);
        EXPECT_EQ(desktop.copied.back(), named);
    }
}

}  // namespace
}  // namespace rollkin::test
