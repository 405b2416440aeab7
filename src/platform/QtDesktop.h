#pragma once

#include <QCoreApplication>
#include <QMargins>
#include <QPointer>
#include <memory>

#include "platform/Desktop.h"

class QAbstractNativeEventFilter;

namespace rollkin {

class GlobalKeys;

// The desktop as Qt sees it: its screens, the cursor, the clipboard, real menus and dialogs,
// the keys from anywhere.
class QtDesktop final : public Desktop {
    Q_DECLARE_TR_FUNCTIONS(QtDesktop)

public:
    QtDesktop();
    ~QtDesktop() override;

    void SetStrip(QWidget& strip) override { strip_ = &strip; }
    float ScreenWidth() const override;
    QRect MonitorOf(const QWidget& window) const override;
    std::vector<QRect> Monitors() const override;
    void WatchMonitors(std::function<void()> changed) override;
    float TwipsPerPixelX() const override;
    float TwipsPerPixelY() const override;
    bool GetCursorPos(PointL& pt) override;
    bool SetCursorPos(Long x, Long y) override;
    float TimeOfDay() const override;
    void SetWindowPos(QWidget& window, InsertAfter after, Long x, Long y, Long cx, Long cy,
                      unsigned flags) override;
    void BringForward(QWidget& window) override;
    void SetMousePointer(int pointer) override;
    void MsgBox(const QString& prompt, int style) override;
    void Notice(const QString& text) override;
    void PopupMenu(QMenu& menu) override;
    void PopupMenuAt(QMenu& menu, Long x, Long y) override;
    void ShowModal(QDialog& dialog) override;
    QString SaveFileName(QWidget& over, const QString& caption, const QString& suggested,
                         const QString& filters) override;
    void EndProgram() override;
    bool CanGrabGlobalKeys(QString* reason) const override;
    QList<int> GrabGlobalKeys(std::function<void(int)> pressed) override;
    void ReleaseGlobalKeys() override;
    QRect WorkAreaOf(const QWidget& window) const override;
    void CopyText(const QString& text) override;

private:
    std::unique_ptr<QAbstractNativeEventFilter> closeRequests_;  // where the platform has them
    // Ctrl+Alt+1 to 9 from any window, where the platform has them; else why not.
    QString globalKeysReason_;
    std::unique_ptr<GlobalKeys> globalKeys_;

    // Makes a window the strip opens stay above the strip: in its band, and transient for the
    // window that opened it (none: no owner).
    void OverStrip(QWidget& window, QWidget* owner) const;

    // The strip, whether it is in the topmost band and whether it has been placed yet.
    QPointer<QWidget> strip_;
    bool stripTopmost_ = false;
    bool stripPlaced_ = false;
    // The notice beside the strip, made at the first one.
    std::unique_ptr<QWidget> notice_;
    // The window manager's frame around a dialog, as last seen; none until one has been shown.
    QMargins dialogFrame_;
    // Told of the monitors' changes, once the changes of one moment are all in.
    std::function<void()> monitorsChanged_;
    bool monitorsChanging_ = false;
    void MonitorsChanging();
    void MonitorsChanged();
};

}  // namespace rollkin
