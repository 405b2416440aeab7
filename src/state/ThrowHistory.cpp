#include "state/ThrowHistory.h"

#include <algorithm>
#include <cstdio>

namespace rollkin {

void ThrowHistory::Tell(bool before, Change change) const {
    if (watcher_ == nullptr) return;
    if (before) {
        watcher_->Changing(change);
    } else {
        watcher_->Changed(change);
    }
}

void ThrowHistory::Add(const ThrowRecord& record, int secondsOfDay) {
    if (entries_.size() >= Capacity) DropOldest();
    // A handful of labels in a game (at most the ten dice times the multipliers), kept once.
    auto label = std::find(diceLabels_.begin(), diceLabels_.end(), record.dice);
    if (label == diceLabels_.end()) label = diceLabels_.insert(label, record.dice);
    const Entry entry{nextFace_, secondsOfDay, record.total,
                      static_cast<std::uint16_t>(label - diceLabels_.begin())};
    Tell(true, Change::Add);
    entries_.push_back(entry);
    // One die at a time: a range insert into a deque costs kilobytes of code for nothing here.
    for (Integer face : record.faces)
        faces_.push_back(face);
    nextFace_ += static_cast<std::uint32_t>(record.faces.size());
    Tell(false, Change::Add);
}

void ThrowHistory::DropOldest() {
    Tell(true, Change::DropOldest);
    const std::size_t count = FaceCount(0);
    for (std::size_t k = 0; k < count; ++k)
        faces_.pop_front();
    droppedFaces_ += static_cast<std::uint32_t>(count);
    entries_.pop_front();
    Tell(false, Change::DropOldest);
}

void ThrowHistory::Clear() {
    Tell(true, Change::Clear);
    entries_ = std::deque<Entry>();  // gives the memory back, which clear() would keep
    faces_ = std::deque<Integer>();
    droppedFaces_ = nextFace_ = 0;
    diceLabels_.clear();
    Tell(false, Change::Clear);
}

const ThrowHistory::Entry& ThrowHistory::EntryAt(int row) const {
    return entries_.at(entries_.size() - 1 - static_cast<std::size_t>(row));
}

std::size_t ThrowHistory::FaceCount(std::size_t entry) const {
    // Unsigned differences stay right when the running numbers wrap around.
    const std::uint32_t end =
        entry + 1 < entries_.size() ? entries_[entry + 1].firstFace : nextFace_;
    return end - entries_[entry].firstFace;
}

ThrowRecord ThrowHistory::Record(int row) const {
    const Entry& e = EntryAt(row);
    const std::size_t first = e.firstFace - droppedFaces_;
    const std::size_t count = FaceCount(entries_.size() - 1 - static_cast<std::size_t>(row));
    const auto begin = faces_.begin() + static_cast<std::ptrdiff_t>(first);
    return {diceLabels_[e.dice], {begin, begin + static_cast<std::ptrdiff_t>(count)}, e.total};
}

std::string ThrowHistory::Time(int row) const {
    const int s = EntryAt(row).secondsOfDay;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", s / 3600 % 24, s / 60 % 60, s % 60);
    return text;
}

std::string ThrowHistory::Line(int row) const {
    return Time(row) + "  " + ThrowLine(Record(row));
}

std::string ThrowHistory::Text(std::vector<int> rows) const {
    if (rows.empty()) {
        for (int row = 0; row < Count(); ++row)
            rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    std::string text;
    for (int row : rows) {
        if (!text.empty()) text += '\n';
        text += Line(row);
    }
    return text;
}

}  // namespace rollkin
