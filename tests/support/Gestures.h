#pragma once

#include <QAccessible>
#include <QTest>
#include <utility>

#include "ProgramFixture.h"
#include "forms/DiceButton.h"
#include "platform/MouseArgs.h"

namespace rollkin::test {

// Drives the strip's mouse handlers with exact Button and Shift values, the cursor first put
// where the event happens.
class GestureFixture : public ProgramFixture {
protected:
    void Down(int slot, Integer button, Integer shift = 0) {
        strip().cmdDice_MouseDown(slot, button, shift, 0, 0);
    }
    void Move(int slot, Integer buttons, Integer shift, PointL cursorAt) {
        desktop.cursor = cursorAt;
        strip().cmdDice_MouseMove(slot, buttons, shift, 0, 0);
    }
    void Up(int slot, Integer button, Integer shift = 0) {
        strip().cmdDice_MouseUp(slot, button, shift, 0, 0);
    }
    void RightClick(int slot, Integer shift = 0) {
        Down(slot, vbRightButton, shift);
        Up(slot, vbRightButton, shift);
    }
};

// Every way to throw, one a row: each must land in the history.
inline const std::pair<const char*, void (*)(DiceButton&)> ThrowPaths[] = {
    {"mouse", [](DiceButton& b) { QTest::mouseClick(&b, Qt::LeftButton); }},
    {"keyboard", [](DiceButton& b) { QTest::keyClick(&b, Qt::Key_Space); }},
    {"screen reader",
     [](DiceButton& b) {
         QAccessible::queryAccessibleInterface(&b)->actionInterface()->doAction(
             QAccessibleActionInterface::pressAction());
     }},
};

}  // namespace rollkin::test
