#pragma once

#include <QColor>
#include <QObject>
#include <vector>

#include "layout/StripLayout.h"
#include "state/AppState.h"
#include "state/Roll.h"
#include "state/SavedRolls.h"

namespace rollkin {

class DiceButton;
class TwipsWindow;
class Desktop;

// The saved rolls' buttons under the strip's dice buttons, one for each saved roll that can be
// thrown, in the player's order. They are numbered on from the dice (LastSlot + 1 is the first),
// so that the strip's gestures, keys and focus moves reach them as they reach the dice.
class SavedStrip final : public QObject {
    Q_OBJECT

public:
    SavedStrip(TwipsWindow& strip, Random& rng, Desktop& screen);

    // Buttons for the throwable ones, built like `model` (its font and size at today's scale);
    // a roll that cannot be thrown is left off.
    void SetRolls(const SavedRolls& rolls, const DiceButton& model);
    int Count() const { return static_cast<int>(buttons_.size()); }
    // A button by its index on the strip, LastSlot + 1 to LastSlot + Count().
    DiceButton& Button(int index) const { return *buttons_.at(At(index)).button; }
    bool Has(int index) const { return index > LastSlot && index <= LastSlot + Count(); }
    // Lays the buttons out one pitch apart: under the dice from the layout's savedTop, then in
    // the second column from the top.
    void Place(const functions::StripLayout& layout);
    // Whether every button's name fits at MinCaptionPoints in at most two lines with the strip
    // drawn at that scale.
    bool ReadableAt(float scale, float tppX, float tppY) const;

    // Throws the button's roll and shows its totals; a roll that fails as it is thrown (too
    // many dice from explosions) says so and shows nothing new.
    void Throw(int index);
    // The button's name again, in place of its totals.
    void ShowName(int index);

signals:
    // A saved roll was thrown: its line with the name, as copied and as Qt rich text.
    void Rolled(const rollkin::RollLines& lines);

private:
    struct Saved {
        DiceButton* button;
        QString name;
        DiceRoll roll;
    };
    static std::size_t At(int index) { return static_cast<std::size_t>(index - LastSlot - 1); }

    TwipsWindow& strip_;
    Random& rng_;
    Desktop& screen_;
    std::vector<Saved> buttons_;
};

// The saved rolls' buttons' own background colour.
QColor SavedRollColour();

}  // namespace rollkin
