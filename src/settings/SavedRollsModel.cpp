#include "settings/SavedRollsModel.h"

namespace rollkin {

void SavedRollsModel::Set(const SavedRolls& rolls) {
    if (rolls == rolls_) return;
    rolls_ = rolls;
    emit Changed();
}

}  // namespace rollkin
