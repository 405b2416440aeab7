#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "state/Dice.h"
#include "state/Roll.h"

namespace rollkin {

// The throws of this run, newest first (row 0), one line each: "14:02:11  3d6: 2 + 5 + 6 = 13",
// the strip's and the Roll window's alike. At most Capacity throws are kept, the oldest dropped
// first. Recording one runs no Qt code, and a strip throw's dice label is kept once, so that a
// night's game costs a few pages.
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
        // A row's posting mark changed.
        virtual void Marked(int /*row*/) {}
    };
    void SetWatcher(Watcher* watcher) { watcher_ = watcher; }

    // A roll in dice notation as worded when it was thrown: "d20+7: [20 (natural 20)] + 7 = 27",
    // the same as Qt rich text, and its columns.
    using RollLines = rollkin::RollLines;

    // Records a throw made secondsOfDay seconds after midnight, on the day that many days after
    // 1970-01-01 (local time).
    void Add(const ThrowRecord& record, int secondsOfDay, std::int32_t day = 0);
    void Add(RollLines roll, int secondsOfDay, std::int32_t day = 0);
    // Empties the history; UndoClear brings it all back until the next throw is added.
    void Clear();
    bool CanUndoClear() const { return cleared_ != nullptr; }
    void UndoClear();

    // What became of a throw posted to the group's chat: None when it was not posted.
    enum class Post : std::uint8_t { None, Waiting, Sent, NotSent };
    // The serial number of the newest throw: 1 for the run's first, 0 before it.
    std::uint64_t Newest() const { return added_; }
    // Marks a throw by its serial number (why: for NotSent); one dropped since is left alone.
    void Mark(std::uint64_t serial, Post post, std::string why = {});
    Post PostOf(int row) const { return EntryAt(row).post; }
    std::string WhyNotSent(int row) const;

    int Count() const { return static_cast<int>(entries_.size()); }
    // A strip throw's dice; a roll's are in its lines only (null for a strip throw).
    ThrowRecord Record(int row) const;
    const RollLines* Roll(int row) const;
    std::string Time(int row) const;  // "14:02:11"
    std::string Line(int row) const;
    std::string LineMarkup(int row) const;  // without the time
    // The lines of rows, in row order, one a line; every line when rows is empty.
    std::string Text(std::vector<int> rows) const;
    // Every throw as comma-separated values (RFC 4180), a header row first: time (ISO 8601 date
    // and time), name (a saved roll's), roll, dice, total. A strip throw's roll is its dice
    // ("3d6"), its dice the faces ("2 + 5 + 6"). A field a spreadsheet would take for a formula
    // starts with an apostrophe, so that it is read as text. `extra`: one more column, its
    // header and each row's field.
    struct CsvColumn {
        std::string header;
        std::function<std::string(int row)> field;
    };
    std::string Csv(const CsvColumn* extra = nullptr) const;

private:
    struct Entry {
        std::int32_t secondsOfDay;
        std::int32_t day;
        Integer total;
        std::uint16_t dice;  // index into diceLabels_
        Post post;
        std::vector<Integer> faces;
        std::unique_ptr<const RollLines> roll;  // a pointer: the strip's throws stay small
    };
    const Entry& EntryAt(int row) const;
    void MakeRoom();  // drops the oldest when full
    void Tell(bool before, Change change) const;

    std::deque<Entry> entries_;            // oldest first
    std::vector<std::string> diceLabels_;  // "3d6", each once
    std::uint64_t added_ = 0;              // the newest's serial; the others count down by one
    std::map<std::uint64_t, std::string> whyNotSent_;  // by serial
    struct Cleared {
        std::deque<Entry> entries;
        std::vector<std::string> diceLabels;
        std::map<std::uint64_t, std::string> whyNotSent;
    };
    std::unique_ptr<Cleared> cleared_;  // what the last Clear took, until a throw is added
    Watcher* watcher_ = nullptr;
};

}  // namespace rollkin
