#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QSlider>
#include <QTimer>
#include <memory>

#include "FakeDesktop.h"
#include "app/Program.h"
#include "forms/frmMenu.h"
#include "forms/frmRollkin.h"
#include "forms/frmScroller.h"
#include "share/TransportModule.h"
#include "state/Dice.h"

namespace rollkin::test {

// A transport (the network module as built) allowed to post to this computer (127.0.0.1) alone: any
// other address fails the test and is posted nowhere.
class LoopbackOnly final : public WebhookTransport {
public:
    explicit LoopbackOnly(std::unique_ptr<WebhookTransport> real) : real_(std::move(real)) {}
    void SetUrl(const QUrl& url) override {
        local_ = url.host() == QLatin1String("127.0.0.1");
        EXPECT_TRUE(local_) << "a test tried to post to " << url.host().toStdString();
        real_->SetUrl(url);
    }
    void Post(const QByteArray& body, std::function<void(const Answer&)> answered) override {
        if (local_) return real_->Post(body, std::move(answered));
        QTimer::singleShot(0, [answered] {
            answered(Answer{0, "not this computer", {}, {}, {}, {}});
        });
    }

private:
    std::unique_ptr<WebhookTransport> real_;
    bool local_ = false;
};

// A fresh program per test on the recording desktop, started (Form_Load has run). It has no
// transport: nothing it shares leaves the process.
class ProgramFixture : public ::testing::Test {
protected:
    void SetUp() override { program.Start(); }

    AppState& state() { return program.Settings().State(); }
    frmRollkin& strip() { return program.Rollkin(); }
    frmScroller& scroller() { return program.Scroller(); }
    frmMenu& menu() { return program.Menu(); }
    QString caption(int slot) { return strip().cmdDice(slot).text(); }
    // A button's top edge in twips.
    float top(int slot) { return static_cast<float>(strip().cmdDice(slot).y()) * desktop.tppY; }
    // Whether a window of that name has been created (the menu's host, the history).
    static bool Loaded(const char* name) {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::any_of(windows.begin(), windows.end(),
                           [name](const QWidget* w) { return w->objectName() == name; });
    }

    FakeDesktop desktop;
    ScriptedRandom rng;
    Program program{desktop, rng};
};

}  // namespace rollkin::test
