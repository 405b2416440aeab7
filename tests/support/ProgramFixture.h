#pragma once

#include <gtest/gtest.h>

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
    void SetUp() override { program.Rollkin(); }

    AppState& state() { return program.State; }
    frmRollkin& strip() { return program.Rollkin(); }
    frmScroller& scroller() { return program.Scroller(); }
    frmMenu& menu() { return program.Menu(); }
    QString caption(int slot) { return strip().cmdDice(slot).Caption(); }

    FakeDesktop desktop;
    ScriptedRandom rng;
    Program program{desktop, rng};
};

}  // namespace rollkin::test
