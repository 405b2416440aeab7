#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "state/SavedRolls.h"

namespace rollkin {

// The player's characters and their saved rolls, the one list that the Rolls window edits, the
// strip's buttons show and the settings keeper keeps. One character is current: Rolls(), Set and
// Changed are its rolls, so that a part that shows rolls needs to know of no other character.
// There is always at least one.
class SavedRollsModel final : public QObject {
    Q_OBJECT

public:
    SavedRollsModel();

    // The current character's, in the player's order, throwable or not, as kept.
    const SavedRolls& Rolls() const { return Current().rolls; }
    // Takes `rolls` for the current character; Changed follows when they differ.
    void Set(const SavedRolls& rolls);

    const std::vector<Character>& Characters() const { return characters_; }
    int CurrentIndex() const { return current_; }
    const Character& Current() const { return characters_[static_cast<std::size_t>(current_)]; }
    // A character's name as the player sees it: one without a name has a number.
    QString ShownName(int index) const;
    // The index of the character shown by `name`; -1 when none is.
    int Find(const QString& name) const;

    // Replaces every character (none: one without rolls); `current` is brought into range.
    void SetCharacters(std::vector<Character> characters, int current);
    void SetCurrent(int index);
    // Adds a character after the others and makes it current.
    void Add(const Character& character);
    // Replaces a character's name and Share name, or its rolls as a file keeps them.
    void Rename(int index, const std::string& name, const std::string& shareName);
    void SetKept(int index, const SavedRolls& rolls, const SavedRolls& kept);
    // Removes a character with its rolls; the last one is never removed.
    void Remove(int index);

signals:
    // The current character's rolls changed, or another character became current.
    void Changed();
    // A character was added, renamed or removed, or another became current.
    void CharactersChanged();

private:
    void Replace(std::vector<Character> characters, int current);

    std::vector<Character> characters_;
    int current_ = 0;
};

}  // namespace rollkin
