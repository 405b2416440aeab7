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
    if (entries_.size() >= Capacity) {
        Tell(true, Change::DropOldest);
        entries_.pop_front();
        Tell(false, Change::DropOldest);
    }
    // A handful of labels in a game (at most the ten dice times the multipliers), kept once.
    auto label = std::find(diceLabels_.begin(), diceLabels_.end(), record.dice);
    if (label == diceLabels_.end()) label = diceLabels_.insert(label, record.dice);
    Tell(true, Change::Add);
    entries_.push_back({secondsOfDay, record.total,
                        static_cast<std::uint16_t>(label - diceLabels_.begin()), record.faces});
    Tell(false, Change::Add);
}

void ThrowHistory::Clear() {
    Tell(true, Change::Clear);
    entries_ = std::deque<Entry>();  // gives the memory back, which clear() would keep
    diceLabels_.clear();
    Tell(false, Change::Clear);
}

const ThrowHistory::Entry& ThrowHistory::EntryAt(int row) const {
    return entries_.at(entries_.size() - 1 - static_cast<std::size_t>(row));
}

ThrowRecord ThrowHistory::Record(int row) const {
    const Entry& e = EntryAt(row);
    return {diceLabels_[e.dice], e.faces, e.total};
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
