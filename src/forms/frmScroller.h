#pragma once

#include <QCoreApplication>

#include "forms/TwipsWindow.h"
#include "state/AppState.h"

class QLabel;
class QSlider;

namespace rollkin {

class Windows;

// The multiplier scroller: a borderless slider window that opens beside the strip during a right
// drag. Its thumb follows the cursor; its label shows the multiplier the thumb stands for.
class frmScroller final : public TwipsWindow {
    Q_DECLARE_TR_FUNCTIONS(frmScroller)

public:
    explicit frmScroller(Windows& windows);
    ~frmScroller() override;

    QSlider* sldScroller;
    QLabel* lblValue;

    // Control geometry in twips, as laid out.
    float SliderLeft() const { return slider_.Left; }
    float SliderWidth() const { return slider_.Width; }
    float LabelLeft() const { return label_.Left; }
    float LabelWidth() const { return label_.Width; }

    // The multiplier a slider value stands for, and back.
    Integer ShownMultiplier(int sliderValue) const;
    int SliderValueFor(Integer multiplier) const;

    // Sets the slider from DragCursor.x when that maps into 1..MultiplierRange.
    void TrackScroller();
    // Decides the side, lays out, places and shows the scroller at the slot's multiplier.
    void OpenScroller(int slot);
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

    Windows& program_;
    TwipsRect slider_;
    TwipsRect label_;
};

// Design values, in twips.
constexpr float ScrollerWidth = 3510;
constexpr float ScrollerHeight = 255;
// The slider's ends lie this far inside its edges: its usable length is its width less twice it.
constexpr double SliderEndInset = 40;

}  // namespace rollkin
