#pragma once

#include <QCoreApplication>

#include "forms/TwipsWindow.h"
#include "state/AppState.h"

class QLabel;
class QSlider;

namespace rollkin {

// The multiplier scroller: a borderless slider window that opens beside the strip during a right
// drag. Its thumb follows the cursor; its label shows the multiplier the thumb stands for.
class frmScroller final : public TwipsWindow {
    Q_DECLARE_TR_FUNCTIONS(frmScroller)

public:
    frmScroller(AppState& state, Desktop& screen);
    ~frmScroller() override;

    QSlider* sldScroller;
    QLabel* lblValue;

    // The multiplier a slider value stands for, and back.
    Integer ShownMultiplier(int sliderValue) const;
    int SliderValueFor(Integer multiplier) const;

    // Sets the slider from DragCursor.x, beside the strip (in twips), when that maps into
    // 1..MultiplierRange.
    void TrackScroller(const TwipsRect& strip);
    // Decides the side towards the middle of the strip's monitor (in pixels), lays out, places
    // and shows the scroller at the slot's multiplier.
    void OpenScroller(int slot, const TwipsRect& strip, const QRect& monitor);
    // Stores the slider's multiplier for the slot and puts the cursor back at PressCursor.
    void EndScrollerDrag(int slot);

    // Creates the window, still hidden, and paints it once off screen, so that the first right
    // drag opens it as fast as any later one.
    void Prepare();
    // Sizes the window and its controls at the strip's scale.
    void FitScale();

    void sldScroller_Change();

    // The slider runs 1..range (the multiplier range of the settings).
    void SetMultiplierRange(Integer range);

private:
    void SetSliderLeft(float twips);
    void SetLabelLeft(float twips);

    AppState& state_;
};

// Design values, in twips.
constexpr float ScrollerWidth = 3510;
constexpr float ScrollerHeight = 255;
// The slider's ends lie this far inside its edges: its usable length is its width less twice it.
constexpr double SliderEndInset = 40;
// The slider and the value's label as designed, slider left of the label.
constexpr TwipsRect ScrollerSlider{0, 0, 3135, 255};
constexpr TwipsRect ScrollerLabel{3135, 10, 365, 225};

}  // namespace rollkin
