#pragma once

#include <QPushButton>
#include <QStringList>

#include "state/AppState.h"
#include "state/Dice.h"

namespace rollkin {

class TwipsWindow;

// What a key does on a focused dice button. Each command goes through the code of the mouse
// gesture it stands for.
enum class DiceKey { None, Throw, AddOne, TakeOne, Menu, Previous, Next, First, Last };

// Space, Enter and keypad Enter throw; Plus, = and keypad plus add a die, Minus takes one away;
// the Menu key and Shift+F10 open the command menu; Up, Down, Home and End move the focus.
DiceKey DiceKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);

// Which of the strip's cmdDice_Mouse* handlers a gesture goes to.
enum class MouseAction { Down, Move, Up };

// One dice button of the strip: a flat button in its own colour. Mouse input is announced, as the
// handlers' Button and Shift values and the point in twips, by the Mouse* signals and goes
// nowhere else, so the press keeps the mouse for every move and the release of that press.
class DiceButton final : public QPushButton {
    Q_OBJECT

public:
    DiceButton(TwipsWindow& strip, int index, const QColor& background);

    int Index() const { return index_; }

    // Writes a face label (or any caption that is not a throw's total).
    void SetCaption(const QString& caption);
    // Shows a throw's total, keeping its dice for the tooltip and for screen readers.
    void ShowThrow(const ThrowRecord& record);
    // Shows a saved roll's totals; the tooltip shows its line's markup, screen readers its line
    // as spoken.
    void ShowRoll(const QString& caption, const QString& line, const QString& markup);
    // What the button throws, for its tooltip and description when that is not its caption.
    void SetThrows(const QString& roll) { throws_ = roll; }
    // Whether the caption is the total of the last throw.
    bool ShowsThrow() const { return showsThrow_; }
    // Whether a press on this button has not been released yet.
    bool Held() const { return down_ != Qt::NoButton; }
    // What screen readers call the button: the caption, and a total's dice with it.
    QString SpokenName() const { return spokenName_; }

    // After a menu or dialog opened from a handler: forgets the buttons whose release it took.
    void SettleLostReleases();

    // A point of the button in pixels, in twips.
    QPointF Twips(const QPointF& at) const;

    // A screen reader's actions: a throw (press and release), a die more or fewer, the menu.
    void ActThrow();
    void ActStep(bool takeOne);
    void ActMenu();

    // Top edge in twips within the strip.
    float Top() const { return top_; }
    void SetTop(float twips);
    // Left edge in twips within the strip: 0, or a second column's.
    void SetLeft(float twips);

    // A long caption (a saved roll's name, its totals) breaks into two lines at a space before
    // it is drawn smaller, and is never drawn under MinCaptionPoints: what still does not fit
    // ends in an ellipsis. Otherwise a caption that does not fit is drawn smaller on one line.
    void SetWraps(bool wraps) { wraps_ = wraps; }
    // The caption as drawn: its lines, one or two.
    QString ShownCaption() { return CaptionLines(); }
    // The room for a caption in a button of that size, in pixels at those twips per pixel.
    static QSize CaptionRoom(QSize button, int shownWidth, float tppX);
    // A caption's lines in that font within the room: one, or two broken at a space; none when
    // neither fits.
    static QStringList FitLines(const QFont& font, const QString& text, QSize room);

    // Whether the button is set to show (true even while the strip itself is hidden).
    bool Visible() const { return !isHidden(); }
    void SetVisible(bool visible) { setVisible(visible); }

signals:
    // A press, move or release, with the strip's cmdDice_Mouse* handlers' arguments.
    void Mouse(MouseAction action, int index, Integer button, Integer shift, float x, float y);
    // A key's (or a screen reader's) throw: the plain left press, the plain left release.
    void ThrowDownAsked(int index);
    void ThrowUpAsked(int index);
    void StepAsked(int index, bool takeOne);
    void MenuAsked(int index);
    void FocusMoveAsked(int index, DiceKey where);
    // A right press whose release a menu or dialog took.
    void RightGestureLost(int index);
    // A press was handled: a menu or message box it opened may have taken releases meant for
    // the strip's buttons.
    void PressHandled();

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
    // Emits Mouse for a point of the button in pixels.
    void Announce(MouseAction action, Integer button, Integer shift, const QPointF& at);
    // The font the caption is drawn in, and its lines.
    QFont CaptionFont();
    QString CaptionLines();
    // Writes the caption, with its tooltip and what screen readers are told.
    void Show(const QString& caption);
    // Tooltip, spoken name and accessible description for a caption.
    void Describe(const QString& caption);
    // The release of the key that threw: what a plain left release does.
    void EndKeyThrow();

    TwipsWindow& strip_;
    int index_;
    float top_ = 0;
    bool keyboardFocus_ = false;
    Qt::MouseButtons down_;  // pressed on this button and not yet released here
    int throwKey_ = 0;       // the key whose press threw, until its release
    int releasedKey_ = 0;    // the last key release that ended a throw, and its time
    quint64 releasedAt_ = 0;
    float left_ = 0;
    bool wraps_ = false;
    struct Fitted {
        QString text;
        QSize room;
        QFont base;
        QFont font;
        QString lines;
    } fitted_;  // the caption font last measured, for that caption, room and design font
    bool showsThrow_ = false;
    ThrowRecord lastThrow_;
    QString rollLine_, rollMarkup_;  // a saved roll's last throw, empty for the dice's
    QString throws_;
    QString spokenName_;
};

// The smallest size a wrapping caption is drawn at, in points as drawn.
constexpr qreal MinCaptionPoints = 7;

// The design background colour of a slot's button.
QColor DiceColour(int slot);

}  // namespace rollkin
