#pragma once

#include <QObject>

#include "state/SavedRolls.h"

namespace rollkin {

// The player's saved rolls, the one list that the Rolls window edits, the strip's buttons show
// and the settings keeper keeps. Whoever changes it calls Set; everyone who shows it listens to
// Changed and reads Rolls() again.
class SavedRollsModel final : public QObject {
    Q_OBJECT

public:
    // In the player's order, throwable or not, as kept.
    const SavedRolls& Rolls() const { return rolls_; }
    // Takes `rolls`; Changed follows when they differ from the list held.
    void Set(const SavedRolls& rolls);

signals:
    void Changed();

private:
    SavedRolls rolls_;
};

}  // namespace rollkin
