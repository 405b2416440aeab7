#pragma once

#include <QWidget>

#include <memory>

class QLabel;
class QListView;
class QPushButton;
class QTimer;

namespace rollkin {

class Desktop;
class ThrowHistory;
class ThrowLuck;

// The session's throws, newest first, in a normal resizable window beside the strip. Copy (and
// Ctrl+C) puts the selected lines, or all of them, on the clipboard; Save writes every line to a
// file (as CSV when its name ends in .csv); Clear empties the history, and until the next throw
// becomes Undo Clear (as Ctrl+Z); Esc and the title bar's close only hide it.
class frmHistory final : public QWidget {
    Q_OBJECT

public:
    frmHistory(ThrowHistory& throws, Desktop& screen);
    ~frmHistory() override;

    QLabel* lblLuck;  // the evening's luck, while the window is open
    QListView* lstThrows;
    QPushButton* cmdCopy;
    QPushButton* cmdSave;  // enabled while there is a throw to save
    QPushButton* cmdClear;

    // Shows the window (beside the strip the first time) and brings it forward.
    void Open(const QWidget& strip);
    // In the topmost band while the strip is, so that opening it puts it above the strip. (A
    // normal window: X11 gets no transient-for from Qt for it.)
    void FollowStrip(const QWidget& strip);

    void cmdCopy_Click();
    void cmdSave_Click();
    void cmdClear_Click();

    // "12 throws, average percentile 54: the dice look fair, p = 0.41".
    void ShowLuck();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    ThrowHistory& throws_;
    std::unique_ptr<ThrowLuck> luck_;
    QTimer* luckTimer_;
    Desktop& screen_;
    bool placed_ = false;
};

}  // namespace rollkin
