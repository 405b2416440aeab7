#pragma once

#include <QPushButton>

#include "state/AppState.h"
#include "state/Dice.h"

namespace rollkin {

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
    // What screen readers call the button: the caption, and a total's dice with it.
    QString SpokenName() const { return spokenName_; }

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
    // Writes the caption, with its tooltip and what screen readers are told.
    void Show(const QString& caption);
    // Tooltip, spoken name and accessible description for a caption.
    void Describe(const QString& caption);
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
    QString spokenName_;
};

// The design background colour of a slot's button.
QColor DiceColour(int slot);

}  // namespace rollkin
