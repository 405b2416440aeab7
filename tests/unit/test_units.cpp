#include <gtest/gtest.h>

#include <Qt>

#include "platform/MouseArgs.h"
#include "platform/Units.h"

namespace rollkin::test {
namespace {

TEST(Units, TwipsToPixelsRoundsDown) {
    EXPECT_EQ(TwipsToPixels(1200, 15), 80);
    EXPECT_EQ(TwipsToPixels(1214, 15), 80);
    EXPECT_EQ(TwipsToPixels(1215, 15), 81);
    EXPECT_EQ(TwipsToPixels(615, 15), 41);
    EXPECT_EQ(TwipsToPixels(-1, 15), -1);  // toward minus infinity, not toward zero
    EXPECT_EQ(TwipsToPixels(-15, 15), -1);
    EXPECT_EQ(TwipsToPixels(-16, 15), -2);
    EXPECT_EQ(TwipsToPixels(6000, 7.5f), 800);
    EXPECT_EQ(PixelsToTwips(80, 15), 1200.0f);
}

TEST(Units, PixelsSurviveARoundTripAtOddDpi) {
    // 110 dpi: 13.0909... twips per pixel, not exact in single precision.
    const float tpp = 1440.0f / 110.0f;
    for (Long px = -2000; px <= 4000; ++px) {
        ASSERT_EQ(TwipsToPixels(PixelsToTwips(px, tpp), tpp), px) << px;
    }
}

TEST(Units, TwipsToPixelsSaturatesInsteadOfOverflowing) {
    EXPECT_EQ(TwipsToPixels(1e30, 15), std::numeric_limits<Long>::max());
    EXPECT_EQ(TwipsToPixels(-1e30, 15), std::numeric_limits<Long>::min());
}

TEST(Units, RoundHalfEvenSendsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(12.5), 12);
    EXPECT_EQ(RoundHalfEven(13.5), 14);
    EXPECT_EQ(RoundHalfEven(7087.5), 7088);
    EXPECT_EQ(RoundHalfEven(7072.5), 7072);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(2.5001), 3);
    EXPECT_EQ(RoundHalfEven(-0.7), -1);
}

TEST(MouseArgs, QtEventsBecomeTheHandlersValues) {
    EXPECT_EQ(ButtonOf(Qt::LeftButton), 1);
    EXPECT_EQ(ButtonOf(Qt::RightButton), 2);
    EXPECT_EQ(ButtonOf(Qt::MiddleButton), 4);
    EXPECT_EQ(ButtonOf(Qt::BackButton), 0);
    EXPECT_EQ(ButtonsOf(Qt::LeftButton | Qt::RightButton), 3);
    EXPECT_EQ(ButtonsOf(Qt::RightButton | Qt::BackButton), 2);
    EXPECT_EQ(ButtonsOf(Qt::NoButton), 0);
    EXPECT_EQ(ShiftOf(Qt::ShiftModifier), 1);
    EXPECT_EQ(ShiftOf(Qt::ControlModifier), 2);
    EXPECT_EQ(ShiftOf(Qt::AltModifier), 4);
    EXPECT_EQ(ShiftOf(Qt::ShiftModifier | Qt::ControlModifier), 3);
    EXPECT_EQ(ShiftOf(Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier), 7);
    // The Meta key and keypad flag add nothing.
    EXPECT_EQ(ShiftOf(Qt::MetaModifier), 0);
    EXPECT_EQ(ShiftOf(Qt::MetaModifier | Qt::ShiftModifier | Qt::KeypadModifier), 1);
    EXPECT_EQ(KeyCodeOf(Qt::Key_F1), 112);
    EXPECT_EQ(KeyCodeOf(Qt::Key_F2), 113);
    EXPECT_EQ(KeyCodeOf(Qt::Key_A), 65);
    EXPECT_EQ(KeyCodeOf(Qt::Key_Escape), 0);
}

}  // namespace
}  // namespace rollkin::test
