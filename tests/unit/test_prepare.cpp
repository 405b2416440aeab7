#include <gtest/gtest.h>

#include <QEvent>

#include "Gestures.h"

namespace rollkin::test {
namespace {

// Counts the Show events a widget receives.
class ShowCounter final : public QObject {
public:
    int shows = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) ++shows;
        return false;
    }
};

class PreparedScroller : public GestureFixture {};

TEST_F(PreparedScroller, IsMadeWithoutEverShowingAndKeepsItsState) {
    ShowCounter counter;
    scroller().installEventFilter(&counter);
    scroller().sldScroller->setValue(7);
    const QString label = scroller().lblValue->text();
    scroller().Prepare();
    EXPECT_EQ(counter.shows, 0);
    EXPECT_TRUE(scroller().isHidden());
    EXPECT_TRUE(scroller().testAttribute(Qt::WA_WState_Created));
    EXPECT_EQ(scroller().sldScroller->value(), 7);
    EXPECT_EQ(scroller().lblValue->text(), label);
    scroller().removeEventFilter(&counter);
}

TEST_F(PreparedScroller, OpensAndClosesLikeOneThatWasNot) {
    FakeDesktop otherDesktop;
    ScriptedRandom otherRng;
    Program unprepared(otherDesktop, otherRng);
    unprepared.Start();
    scroller().Prepare();
    for (Program* p : {&program, &unprepared}) {
        p->Settings().State().DiceMultiplier(5) = 4;
        p->Settings().State().PressCursor = {30, 200};
        p->OpenScroller(5);
    }
    EXPECT_TRUE(scroller().isVisible());
    EXPECT_EQ(scroller().geometry(), unprepared.Scroller().geometry());
    EXPECT_EQ(scroller().sldScroller->value(), unprepared.Scroller().sldScroller->value());
    EXPECT_EQ(scroller().lblValue->text(), "4");
    // A right release over the strip closes it and keeps the multiplier the slider shows.
    state().DiceDragged(5) = True;
    Up(5, vbRightButton);
    EXPECT_TRUE(scroller().isHidden());
    EXPECT_EQ(state().DiceMultiplier(5), 4);
}

}  // namespace
}  // namespace rollkin::test
