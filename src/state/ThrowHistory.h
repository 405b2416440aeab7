#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "state/Dice.h"

namespace rollkin {

// The throws of this run, newest first (row 0), one line each: "14:02:11  3d6: 2 + 5 + 6 = 13".
// At most Capacity throws are kept, the oldest dropped first. Recording one runs no Qt code, and
// its dice label is kept once, so that a night's game costs a few pages.
class ThrowHistory {
public:
    static constexpr int Capacity = 1000;

    enum class Change { Add, DropOldest, Clear };
    // Told before and after every change: the history window's list model.
    class Watcher {
    public:
        virtual ~Watcher() = default;
        virtual void Changing(Change change) = 0;
        virtual void Changed(Change change) = 0;
    };
    void SetWatcher(Watcher* watcher) { watcher_ = watcher; }

    // Records a throw made secondsOfDay seconds after midnight.
    void Add(const ThrowRecord& record, int secondsOfDay);
    void Clear();

    int Count() const { return static_cast<int>(entries_.size()); }
    ThrowRecord Record(int row) const;
    std::string Time(int row) const;  // "14:02:11"
    std::string Line(int row) const;
    // The lines of rows, in row order, one a line; every line when rows is empty.
    std::string Text(std::vector<int> rows) const;

private:
    struct Entry {
        std::int32_t secondsOfDay;
        Integer total;
        std::uint16_t dice;  // index into diceLabels_
        std::vector<Integer> faces;
    };
    const Entry& EntryAt(int row) const;
    void Tell(bool before, Change change) const;

    std::deque<Entry> entries_;            // oldest first
    std::vector<std::string> diceLabels_;  // "3d6", each once
    Watcher* watcher_ = nullptr;
};

}  // namespace rollkin
