#include <QFocusEvent>
#include <QKeyEvent>
#include <algorithm>

#include "forms/DiceButton.h"

// The keyboard on a dice button: which key gives which command, the focus rectangle's rule, and a
// held throw key standing for a held mouse button.
namespace rollkin {

// The focus rectangle shows only when the keyboard brought the focus here (or a key was used
// on the button), so that a strip worked with the mouse looks the same before and after a click.
// A window or a menu that took the focus for a while gives it back as it was.
namespace {
bool Returning(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}
}  // namespace

void DiceButton::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
        reason == Qt::ShortcutFocusReason) {
        keyboardFocus_ = true;
    } else if (!Returning(reason)) {
        keyboardFocus_ = false;
    }
    QPushButton::focusInEvent(event);
}

void DiceButton::focusOutEvent(QFocusEvent* event) {
    // A key let go where this button no longer hears it still ends its throw, as the release of
    // a mouse press always comes back to the button that took the press.
    if (throwKey_ != 0) EndKeyThrow();
    if (!Returning(event->reason())) keyboardFocus_ = false;
    QPushButton::focusOutEvent(event);
}

void DiceButton::keyPressEvent(QKeyEvent* event) {
    const DiceKey key = DiceKeyOf(event->key(), event->modifiers());
    if (key == DiceKey::None) {
        // QPushButton would show a press for Space with a modifier that then throws nothing.
        if (event->key() != Qt::Key_Space && event->key() != Qt::Key_Select) {
            QPushButton::keyPressEvent(event);
        }
        return;
    }
    event->accept();
    if (!keyboardFocus_) {
        keyboardFocus_ = true;
        update();
    }
    switch (key) {
        case DiceKey::Throw:
            // One throw per press: a held key's repeats, and a second throw key, throw nothing.
            if (event->isAutoRepeat() || throwKey_ != 0) return;
            throwKey_ = event->key();
            if (event->timestamp() != 0 && event->key() == releasedKey_ &&
                event->timestamp() == releasedAt_) {
                // X repeats a held key as a release and a press of the same time, which Qt does
                // not always see as a repeat: the key is still held, and the throw goes on.
                setDown(true);
                return;
            }
            emit ThrowDownAsked(index_);
            break;
        case DiceKey::AddOne:
        case DiceKey::TakeOne:
            emit StepAsked(index_, key == DiceKey::TakeOne);
            break;
        case DiceKey::Menu:
            if (!event->isAutoRepeat()) emit MenuAsked(index_);
            break;
        default:
            emit FocusMoveAsked(index_, key);
    }
}

void DiceButton::keyReleaseEvent(QKeyEvent* event) {
    if (throwKey_ != 0 && event->key() == throwKey_) {
        event->accept();
        if (event->isAutoRepeat()) return;
        releasedKey_ = event->key();
        releasedAt_ = event->timestamp();
        EndKeyThrow();
        return;
    }
    QPushButton::keyReleaseEvent(event);
}

void DiceButton::EndKeyThrow() {
    throwKey_ = 0;
    emit ThrowUpAsked(index_);
}

namespace {

// Which modifiers a key's command allows.
enum class Held { Nothing, ShiftAtMost, ShiftOnly };

// A command and the keys that give it. Qt's key codes are never 0.
struct KeyCommand {
    DiceKey command;
    Held held;
    int keys[3];
};

constexpr KeyCommand KeyCommands[] = {
    {DiceKey::Throw, Held::Nothing, {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}},
    {DiceKey::AddOne, Held::ShiftAtMost, {Qt::Key_Plus, Qt::Key_Equal}},
    {DiceKey::TakeOne, Held::ShiftAtMost, {Qt::Key_Minus}},
    {DiceKey::Menu, Held::ShiftAtMost, {Qt::Key_Menu}},
    {DiceKey::Menu, Held::ShiftOnly, {Qt::Key_F10}},
    {DiceKey::Previous, Held::Nothing, {Qt::Key_Up}},
    {DiceKey::Next, Held::Nothing, {Qt::Key_Down}},
    {DiceKey::First, Held::Nothing, {Qt::Key_Home}},
    {DiceKey::Last, Held::Nothing, {Qt::Key_End}},
};

}  // namespace

DiceKey DiceKeyOf(int qtKey, Qt::KeyboardModifiers modifiers) {
    // Keypad keys carry the keypad flag; Shift is part of typing + on most layouts.
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    for (const KeyCommand& k : KeyCommands) {
        if (std::find(std::begin(k.keys), std::end(k.keys), qtKey) == std::end(k.keys)) continue;
        switch (k.held) {
            case Held::Nothing:
                return held == Qt::NoModifier ? k.command : DiceKey::None;
            case Held::ShiftAtMost:
                return (held & ~Qt::ShiftModifier) == Qt::NoModifier ? k.command : DiceKey::None;
            case Held::ShiftOnly:
                return held == Qt::ShiftModifier ? k.command : DiceKey::None;
        }
    }
    return DiceKey::None;
}

}  // namespace rollkin
