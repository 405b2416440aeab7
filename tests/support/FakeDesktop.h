#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "platform/Desktop.h"
#include "state/Random.h"

namespace rollkin::test {

// A desktop that records what the program asks of it. Screen 1024 x 768 pixels at 15 twips per
// pixel unless a test says otherwise; placing a window sets its geometry without showing it.
class FakeDesktop final : public Desktop {
public:
    struct Placement {
        QWidget* window;
        InsertAfter after;
        Long x, y, cx, cy;
        unsigned flags;
    };
    struct Message {
        QString prompt;
        int style;
    };

    int screenWidthPixels = 1024;
    int screenHeightPixels = 768;
    // Monitors in pixels, the primary first; none stands for one monitor covering the screen.
    std::vector<QRect> monitors;
    float tppX = 15;
    float tppY = 15;

    PointL cursor;
    bool failGetCursor = false;
    bool failSetCursor = false;
    int getCursorCalls = 0;
    float timeOfDay = 43200.5f;
    std::vector<PointL> cursorSets;

    std::vector<Placement> placements;
    std::vector<int> pointerCalls;
    std::vector<QWidget*> forwards;  // the windows brought forward, in order
    std::vector<Message> messages;
    std::vector<QString> notices;
    int popups = 0;
    PointL popupAt{-1, -1};  // where PopupMenuAt put the last menu
    std::vector<QString> modals;
    QString saveAnswer;     // the file the player picks in a file dialog; empty: cancelled
    QString saveSuggested;  // where the last file dialog opened
    int ends = 0;
    std::vector<QString> copied;  // what was put on the clipboard, in order
    QWidget* strip = nullptr;

    // Runs inside PopupMenu / ShowModal in place of the user (e.g. triggers an item, clicks OK).
    std::function<void(QMenu&)> onPopup;
    std::function<void(QDialog&)> onModal;
    // What the program asked to be told when the monitors change: a test calls it.
    std::function<void()> monitorsChanged;

    void SetStrip(QWidget& window) override { strip = &window; }
    float ScreenWidth() const override { return static_cast<float>(screenWidthPixels) * tppX; }
    float ScreenHeight() const { return static_cast<float>(screenHeightPixels) * tppY; }
    QRect MonitorOf(const QWidget& window) const override;
    std::vector<QRect> Monitors() const override {
        return monitors.empty() ? std::vector<QRect>{{0, 0, screenWidthPixels, screenHeightPixels}}
                                : monitors;
    }
    void WatchMonitors(std::function<void()> changed) override { monitorsChanged = changed; }
    float TwipsPerPixelX() const override { return tppX; }
    float TwipsPerPixelY() const override { return tppY; }
    bool GetCursorPos(PointL& pt) override;
    bool SetCursorPos(Long x, Long y) override;
    float TimeOfDay() const override { return timeOfDay; }
    void SetWindowPos(QWidget& window, InsertAfter after, Long x, Long y, Long cx, Long cy,
                      unsigned flags) override;
    void BringForward(QWidget& window) override { forwards.push_back(&window); }
    void SetMousePointer(int pointer) override;
    int MousePointer() const { return pointer_; }
    void MsgBox(const QString& prompt, int style) override { messages.push_back({prompt, style}); }
    void Notice(const QString& text) override { notices.push_back(text); }
    void PopupMenu(QMenu& menu) override;
    void PopupMenuAt(QMenu& menu, Long x, Long y) override {
        popupAt = {x, y};
        PopupMenu(menu);
    }
    void ShowModal(QDialog& dialog) override;
    QString SaveFileName(QWidget&, const QString&, const QString& suggested,
                         const QString&) override {
        saveSuggested = suggested;
        return saveAnswer;
    }
    void EndProgram() override { ++ends; }
    // The fake desktop has no panels.
    QRect WorkAreaOf(const QWidget& window) const override { return MonitorOf(window); }
    void CopyText(const QString& text) override { copied.push_back(text); }

    // Keys from anywhere: the reason they cannot be had (none: they can), the numbers another
    // program holds, and whom a press goes to while they are taken (nobody: released).
    QString globalKeysRefusal;
    QList<int> globalKeysHeld;
    std::function<void(int)> globalKeyPressed;
    int globalKeyGrabs = 0;
    bool CanGrabGlobalKeys(QString* reason) const override {
        if (reason != nullptr) *reason = globalKeysRefusal;
        return globalKeysRefusal.isEmpty();
    }
    QList<int> GrabGlobalKeys(std::function<void(int)> pressed) override {
        ++globalKeyGrabs;
        globalKeyPressed = std::move(pressed);
        return globalKeysHeld;
    }
    void ReleaseGlobalKeys() override { globalKeyPressed = nullptr; }
    // Ctrl+Alt+number pressed in another window.
    void PressGlobalKey(int number) {
        if (globalKeyPressed && !globalKeysHeld.contains(number)) globalKeyPressed(number);
    }

private:
    int pointer_ = PointerDefault;
};

// A generator that returns the draws a test scripts, then falls back to a seeded sequence.
class ScriptedRandom final : public Random {
public:
    std::deque<float> draws;
    int drawn = 0;
    float Rnd() override;
};

}  // namespace rollkin::test
