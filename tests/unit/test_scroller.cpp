#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <algorithm>

#include "Gestures.h"

namespace rollkin::test {
namespace {

class Scroller : public GestureFixture {
protected:
    // A fresh program at a chosen twips-per-pixel figure, so that the worked points fall on
    // whole pixels.
    void Restart(float tpp) {
        desktop.tppX = desktop.tppY = tpp;
        // A screen tall enough for the whole strip, which is then drawn at the desktop's size.
        desktop.screenHeightPixels = std::max(768, static_cast<int>(StripHeight / tpp));
        replacement_ = std::make_unique<Program>(desktop, rng);
        replacement_->Start();
    }
    Program& p() { return replacement_ ? *replacement_ : program; }
    int SliderAfterMoveTo(Long x) {
        p().Settings().State().DragCursor = {x, 0};
        p().TrackScroller();
        return p().Scroller().sldScroller->value();
    }
    void SetSlider(int v) { p().Scroller().sldScroller->setValue(v); }

    std::unique_ptr<Program> replacement_;
};

TEST_F(Scroller, NormalLayoutMapsTheSliderFromInsideTheStripsRightEdge) {
    Restart(5);  // strip 0..240 px; its right edge at 1200 twips
    ASSERT_EQ(p().Rollkin().Width(), 1200.0f);
    SetSlider(9);
    EXPECT_EQ(SliderAfterMoveTo(232), 1);   // 1160 twips: 40 inside the strip's right edge
    EXPECT_EQ(SliderAfterMoveTo(843), 20);  // 1160 + 3055, the usable length further
    // From half a step (3055 / 19 / 2 = 80.4 twips) beyond either end, the slider stays put.
    SetSlider(9);
    EXPECT_EQ(SliderAfterMoveTo(860), 9);  // 3140 twips along: raw 19.53 -> 21
    EXPECT_EQ(SliderAfterMoveTo(215), 9);  // -85 twips: raw -0.53 -> 0
    EXPECT_EQ(SliderAfterMoveTo(216), 1);  // -80 twips: raw -0.4975 -> 1
    // A steady sweep past the end leaves it at 20.
    for (Long x = 232; x <= 1000; ++x)
        SliderAfterMoveTo(x);
    EXPECT_EQ(p().Scroller().sldScroller->value(), 20);
    EXPECT_EQ(p().Scroller().lblValue->text(), "20");
}

TEST_F(Scroller, MirroredLayoutMapsTheSliderLeftwardsFromTheStripsLeftEdge) {
    Restart(5);
    p().Rollkin().move(700, 0);  // Left 3500 twips
    p().Settings().State().ScrollerMirrored = True;
    SetSlider(9);
    EXPECT_EQ(SliderAfterMoveTo(692), 20);  // 40 twips left of the strip: multiplier 1
    EXPECT_EQ(p().Scroller().ShownMultiplier(20), 1);
    EXPECT_EQ(p().Scroller().lblValue->text(), "1");
    EXPECT_EQ(SliderAfterMoveTo(81), 1);  // the usable length further left: multiplier 20
    EXPECT_EQ(p().Scroller().lblValue->text(), "20");
    SetSlider(9);
    EXPECT_EQ(SliderAfterMoveTo(64), 9);  // beyond: unchanged
    EXPECT_EQ(SliderAfterMoveTo(710), 9);
}

TEST_F(Scroller, RawValuesRoundHalfToEven) {
    // At 2.5 twips per pixel and range 48 one step is 3055 / 47 = 65 twips, so raw values
    // of exactly 2.5 and 3.5 lie on whole pixels.
    Restart(2.5f);
    p().Settings().State().MultiplierRange = 48;
    p().Scroller().sldScroller->setMaximum(48);
    EXPECT_EQ(SliderAfterMoveTo(529), 3);  // d = 162.5: raw 2.5 -> 2, multiplier 3
    EXPECT_EQ(SliderAfterMoveTo(555), 5);  // d = 227.5: raw 3.5 -> 4, multiplier 5
}

TEST_F(Scroller, TheScrollerOpensOnTheSideFacingTheScreensCentre) {
    Restart(1);                        // one twip per pixel: the strip is 1200 px wide
    desktop.screenWidthPixels = 4000;  // centre at 2000
    Program& q = p();
    // A control's left edge in twips (one a pixel here).
    auto left = [&q](const char* name) {
        return static_cast<float>(q.Scroller().findChild<QWidget*>(name)->x());
    };
    q.Settings().State().PressCursor = {0, 500};
    q.Rollkin().move(1400, 0);  // centre exactly on the screen's: right-hand layout
    q.OpenScroller(5);
    EXPECT_EQ(q.Settings().State().ScrollerMirrored, False);
    EXPECT_EQ(q.Scroller().Left(), 2600.0f);
    EXPECT_EQ(left("sldScroller"), 0.0f);
    EXPECT_EQ(left("lblValue"), 3510.0f - 365.0f);
    q.Rollkin().move(1401, 0);  // one twip right of the centre: opens on the left
    q.OpenScroller(5);
    EXPECT_EQ(q.Settings().State().ScrollerMirrored, True);
    EXPECT_EQ(q.Scroller().Left(), 1401.0f - 3510.0f);
    EXPECT_EQ(left("sldScroller"), 375.0f);
    EXPECT_EQ(left("lblValue"), 0.0f);
    EXPECT_EQ(q.Scroller().sldScroller->x(), 375);
    EXPECT_EQ(q.Scroller().lblValue->x(), 0);
}

TEST_F(Scroller, ItOpensBesideTheStripCentredOnThePressHeight) {
    state().PressCursor = {40, 180};
    state().DiceMultiplier(5) = 6;
    program.OpenScroller(5);
    EXPECT_FALSE(scroller().isHidden());
    EXPECT_EQ(scroller().pos(), QPoint(80, 171));  // 2700 - 127 twips = 2573 -> 171 px
    EXPECT_EQ(scroller().size(), QSize(234, 17));
    EXPECT_EQ(scroller().sldScroller->geometry(), QRect(0, 0, 209, 17));
    EXPECT_EQ(scroller().lblValue->geometry(), QRect(209, 0, 24, 15));
    EXPECT_EQ(scroller().sldScroller->value(), 6);
    EXPECT_EQ(scroller().lblValue->text(), "6");
    // Anchored at the right: mirrored, to the left of the strip, at the same multiplier.
    strip().move(944, 0);
    program.OpenScroller(5);
    EXPECT_EQ(scroller().pos(), QPoint(944 - 234, 171));
    EXPECT_EQ(scroller().sldScroller->value(), 15);
    EXPECT_EQ(scroller().lblValue->text(), "6");
}

TEST_F(Scroller, OpeningAtTheValueTheSliderHoldsRaisesNoChange) {
    state().PressCursor = {40, 180};
    state().DiceMultiplier(5) = 5;
    program.OpenScroller(5);
    ASSERT_EQ(scroller().lblValue->text(), "5");
    QSignalSpy changes(scroller().sldScroller, &QSlider::valueChanged);
    program.OpenScroller(5);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(scroller().lblValue->text(), "5");
}

TEST_F(Scroller, AfterAChangeOfSideTheSameSliderValueIsLabelledWithItsNewMultiplier) {
    // A drag that ended at 5 in the normal layout, then a mirrored opening at 16: the slider
    // value is 5 again, but it now stands for 16, and the label says so.
    state().PressCursor = {40, 180};
    state().DiceMultiplier(5) = 5;
    program.OpenScroller(5);
    ASSERT_EQ(scroller().lblValue->text(), "5");
    strip().move(944, 0);
    state().DiceMultiplier(5) = 16;
    QSignalSpy changes(scroller().sldScroller, &QSlider::valueChanged);
    program.OpenScroller(5);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(state().ScrollerMirrored, True);
    EXPECT_EQ(scroller().sldScroller->value(), 5);
    EXPECT_EQ(scroller().lblValue->text(), "16");
}

TEST_F(Scroller, AMultiplierAboveTheRangeOpensAtTheRangesEndOnEitherSide) {
    state().PressCursor = {40, 180};
    state().DiceMultiplier(5) = 30;
    program.OpenScroller(5);
    EXPECT_EQ(scroller().sldScroller->value(), 20);
    EXPECT_EQ(scroller().lblValue->text(), "20");
    strip().move(944, 0);
    program.OpenScroller(5);
    EXPECT_EQ(scroller().sldScroller->value(), 1);
    EXPECT_EQ(scroller().lblValue->text(), "20");
    scroller().EndScrollerDrag(5);
    EXPECT_EQ(state().DiceMultiplier(5), 20);
}

TEST_F(Scroller, EndingADragStoresTheShownMultiplierAndReturnsTheCursor) {
    state().PressCursor = {12, 345};
    state().ScrollerMirrored = True;
    scroller().sldScroller->setValue(4);
    scroller().EndScrollerDrag(3);
    EXPECT_EQ(state().DiceMultiplier(3), 17);
    ASSERT_EQ(desktop.cursorSets.size(), 1u);
    EXPECT_EQ(desktop.cursorSets[0], (PointL{12, 345}));
    EXPECT_TRUE(desktop.messages.empty());
}

}  // namespace
}  // namespace rollkin::test
