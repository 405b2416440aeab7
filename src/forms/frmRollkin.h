#pragma once

#include <QCoreApplication>
#include <QPushButton>

#include "forms/TwipsWindow.h"
#include "layout/functions.h"
#include "state/AppState.h"
#include "state/Dice.h"

namespace rollkin {

class Windows;
class frmRollkin;

// What a key does on a focused dice button. Each command goes through the code of the mouse
// gesture it stands for.
enum class DiceKey { None, Throw, AddOne, TakeOne, Menu, Previous, Next, First, Last };

// Space, Enter and keypad Enter throw; Plus, = and keypad plus add a die, Minus takes one away;
// the Menu key and Shift+F10 open the command menu; Up, Down, Home and End move the focus.
DiceKey DiceKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);

// One dice button of the strip: a flat button in its own colour. Mouse input is handed, as the
// handlers' Button and Shift values, to frmRollkin's cmdDice_Mouse* handlers and nowhere else,
// so the press keeps the mouse for every move and the release of that press.
class DiceButton final : public QPushButton {
public:
    DiceButton(frmRollkin& form, int index, const QColor& background);

    int Index() const { return index_; }
    QColor BackColor() const { return background_; }

    QString Caption() const { return text(); }
    // Writes a face label (or any caption that is not a throw's total).
    void SetCaption(const QString& caption);
    // Shows a throw's total, keeping its dice for the tooltip and for screen readers.
    void ShowThrow(const ThrowRecord& record);
    // Whether the caption is the total of the last throw.
    bool ShowsThrow() const { return showsThrow_; }
    // Whether a press on this button has not been released yet.
    bool Held() const { return down_ != Qt::NoButton; }

    // After a menu or dialog opened from a handler: forgets the buttons whose release it took.
    void SettleLostReleases();

    frmRollkin& Form() const { return form_; }

    // Hands a gesture at a point of the button (in pixels) to one of the strip's cmdDice_Mouse*
    // handlers, with the point in twips as their x and y.
    void Hand(void (frmRollkin::*handler)(int, Integer, Integer, float, float), Integer button,
              Integer shift, const QPointF& at);

    // Top edge in twips within the strip.
    float Top() const { return top_; }
    void SetTop(float twips);

    // Whether the button is set to show (true even while the strip itself is hidden).
    bool Visible() const { return !isHidden(); }
    void SetVisible(bool visible) { setVisible(visible); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Press(QMouseEvent* event);
    // The font the caption is drawn in.
    QFont CaptionFont() const;
    // Tooltip, accessible name and description for what the button shows now.
    void Describe();
    // The release of the key that threw: what a plain left release does.
    void EndKeyThrow();

    frmRollkin& form_;
    int index_;
    QColor background_;
    float top_ = 0;
    bool keyboardFocus_ = false;
    Qt::MouseButtons down_;  // pressed on this button and not yet released here
    int throwKey_ = 0;       // the key whose press threw, until its release
    int releasedKey_ = 0;    // the last key release that ended a throw, and its time
    quint64 releasedAt_ = 0;
    bool showsThrow_ = false;
    ThrowRecord lastThrow_;
};

// The main window: a borderless strip of the ten dice buttons, slot 1 at the top.
class frmRollkin final : public TwipsWindow {
    Q_DECLARE_TR_FUNCTIONS(frmRollkin)

public:
    explicit frmRollkin(Windows& windows);
    ~frmRollkin() override;

    DiceButton& cmdDice(int index) const { return *buttons_(index); }

    void SetHeight(float twips);

    // Repaints at once.
    void Refresh();

    void Form_Load();
    void Form_KeyDown(Integer keyCode, Integer shift);
    void Form_Unload();

    void cmdDice_MouseDown(int index, Integer button, Integer shift, float x, float y);
    void cmdDice_MouseMove(int index, Integer button, Integer shift, float x, float y);
    void cmdDice_MouseUp(int index, Integer button, Integer shift, float x, float y);

    // A right gesture whose release went to a menu or dialog opened meanwhile is abandoned:
    // the slot's drag state is cleared and the scroller hidden; the multiplier stays.
    void RightGestureLost(int index);
    // Asks every button to forget releases that a menu or dialog took.
    void SettleLostReleases();

    // The keyboard's and screen readers' ways to the gestures of one button.
    // A plain left press (the throw) and a plain left release, through the mouse handlers.
    void ThrowDown(int index);
    void ThrowUp(int index);
    // One die more (as a right click) or one fewer (as a Shift+right click); the face label at
    // once.
    void StepDice(int index, bool takeOne);
    // The command menu beside the button, on the side of the strip where it fits.
    void ShowMenuBeside(int index);
    // Moves the focus from a button to the previous, next, first or last visible one.
    void MoveFocus(int index, DiceKey where);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // GetCursorPos into pt; on failure the message, then the handler goes on.
    void GetCursorPosInto(PointL& pt);
    // The multiplier step of a right release without drag.
    void StepMultiplier(int index, bool takeOne);

    Windows& program_;
    SlotArray<DiceButton*> buttons_;
};

// Design values of the strip, in twips.
constexpr float StripWidth = 1200;
constexpr float StripHeight = 6000;
constexpr float DiceButtonWidth = 1215;
constexpr float DiceButtonHeight = 615;
using functions::ButtonPitch;

// The design background colour of a slot's button.
QColor DiceColour(int slot);

}  // namespace rollkin
