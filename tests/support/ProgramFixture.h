#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QSlider>

#include "FakeDesktop.h"
#include "app/Program.h"
#include "forms/frmMenu.h"
#include "forms/frmRollkin.h"
#include "forms/frmScroller.h"
#include "state/Dice.h"

namespace rollkin::test {

// A fresh program per test on the recording desktop, started (Form_Load has run).
class ProgramFixture : public ::testing::Test {
protected:
    void SetUp() override { program.Start(); }

    AppState& state() { return program.State; }
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
