#include "settings/SavedRollsModel.h"

#include <algorithm>

namespace rollkin {

SavedRollsModel::SavedRollsModel() : characters_(1) {}

void SavedRollsModel::Set(const SavedRolls& rolls) {
    if (rolls == Rolls()) return;
    characters_[static_cast<std::size_t>(current_)].rolls = rolls;
    emit Changed();
}

QString SavedRollsModel::ShownName(int index) const {
    const std::string& name = characters_.at(static_cast<std::size_t>(index)).name;
    if (name.empty()) return tr("Character %1").arg(index + 1);
    return QString::fromStdString(name);
}

int SavedRollsModel::Find(const QString& name) const {
    for (int i = 0; i < static_cast<int>(characters_.size()); ++i) {
        if (ShownName(i) == name) return i;
    }
    return -1;
}

void SavedRollsModel::Replace(std::vector<Character> characters, int current) {
    if (characters.empty()) characters.resize(1);
    current = std::clamp(current, 0, static_cast<int>(characters.size()) - 1);
    if (characters == characters_ && current == current_) return;
    const SavedRolls before = Rolls();
    const bool listed = characters.size() != characters_.size() || current != current_ ||
                        !std::equal(characters.begin(), characters.end(), characters_.begin(),
                                    [](const Character& a, const Character& b) {
                                        return a.name == b.name && a.shareName == b.shareName;
                                    });
    characters_ = std::move(characters);
    current_ = current;
    if (listed) emit CharactersChanged();
    if (before != Rolls() || listed) emit Changed();
}

void SavedRollsModel::SetCharacters(std::vector<Character> characters, int current) {
    Replace(std::move(characters), current);
}

void SavedRollsModel::SetCurrent(int index) {
    Replace(characters_, index);
}

void SavedRollsModel::Add(const Character& character) {
    std::vector<Character> all = characters_;
    all.push_back(character);
    const int added = static_cast<int>(all.size()) - 1;
    Replace(std::move(all), added);
}

void SavedRollsModel::Rename(int index, const std::string& name, const std::string& shareName) {
    std::vector<Character> all = characters_;
    all.at(static_cast<std::size_t>(index)).name = name;
    all.at(static_cast<std::size_t>(index)).shareName = shareName;
    Replace(std::move(all), current_);
}

void SavedRollsModel::SetKept(int index, const SavedRolls& rolls, const SavedRolls& kept) {
    std::vector<Character> all = characters_;
    all.at(static_cast<std::size_t>(index)).rolls = rolls;
    all.at(static_cast<std::size_t>(index)).kept = kept;
    Replace(std::move(all), current_);
}

void SavedRollsModel::Remove(int index) {
    if (characters_.size() < 2 || index < 0 || index >= static_cast<int>(characters_.size()))
        return;
    std::vector<Character> all = characters_;
    all.erase(all.begin() + index);
    const int last = static_cast<int>(all.size()) - 1;
    Replace(std::move(all), current_ > index ? current_ - 1 : std::min(current_, last));
}

}  // namespace rollkin
