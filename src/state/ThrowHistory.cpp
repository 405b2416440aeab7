#include "state/ThrowHistory.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <utility>

namespace rollkin {

void ThrowHistory::Tell(bool before, Change change) const {
    if (watcher_ == nullptr) return;
    if (before) {
        watcher_->Changing(change);
    } else {
        watcher_->Changed(change);
    }
}

void ThrowHistory::MakeRoom() {
    if (entries_.size() < Capacity) return;
    Tell(true, Change::DropOldest);
    whyNotSent_.erase(added_ + 1 - entries_.size());
    entries_.pop_front();
    Tell(false, Change::DropOldest);
}

void ThrowHistory::Add(const ThrowRecord& record, int secondsOfDay, std::int32_t day) {
    cleared_.reset();
    MakeRoom();
    // A handful of labels in a game (at most the ten dice times the multipliers), kept once.
    auto label = std::find(diceLabels_.begin(), diceLabels_.end(), record.dice);
    if (label == diceLabels_.end()) label = diceLabels_.insert(label, record.dice);
    Tell(true, Change::Add);
    entries_.push_back({secondsOfDay, day, record.total,
                        static_cast<std::uint16_t>(label - diceLabels_.begin()), Post::None,
                        record.faces, nullptr});
    ++added_;
    Tell(false, Change::Add);
}

void ThrowHistory::Add(RollLines roll, int secondsOfDay, std::int32_t day) {
    cleared_.reset();
    MakeRoom();
    Tell(true, Change::Add);
    entries_.push_back({secondsOfDay,
                        day,
                        0,
                        0,
                        Post::None,
                        {},
                        std::make_unique<const RollLines>(std::move(roll))});
    ++added_;
    Tell(false, Change::Add);
}

void ThrowHistory::Clear() {
    if (entries_.empty()) return;
    Tell(true, Change::Clear);
    cleared_ = std::make_unique<Cleared>(Cleared{std::exchange(entries_, {}),
                                                 std::exchange(diceLabels_, {}),
                                                 std::exchange(whyNotSent_, {})});
    Tell(false, Change::Clear);
}

void ThrowHistory::UndoClear() {
    if (!cleared_) return;
    Tell(true, Change::Clear);
    entries_ = std::move(cleared_->entries);
    diceLabels_ = std::move(cleared_->diceLabels);
    whyNotSent_ = std::move(cleared_->whyNotSent);
    cleared_.reset();
    Tell(false, Change::Clear);
}

void ThrowHistory::Mark(std::uint64_t serial, Post post, std::string why) {
    const std::uint64_t oldest = added_ + 1 - entries_.size();
    if (serial < oldest || serial > added_) return;
    entries_[serial - oldest].post = post;
    if (post == Post::NotSent) {
        whyNotSent_[serial] = std::move(why);
    } else {
        whyNotSent_.erase(serial);
    }
    if (watcher_ != nullptr) watcher_->Marked(static_cast<int>(added_ - serial));
}

std::string ThrowHistory::WhyNotSent(int row) const {
    const auto why = whyNotSent_.find(added_ - static_cast<std::uint64_t>(row));
    return why == whyNotSent_.end() ? std::string() : why->second;
}

const ThrowHistory::Entry& ThrowHistory::EntryAt(int row) const {
    return entries_.at(entries_.size() - 1 - static_cast<std::size_t>(row));
}

ThrowRecord ThrowHistory::Record(int row) const {
    const Entry& e = EntryAt(row);
    if (e.roll) return {};
    return {diceLabels_[e.dice], e.faces, e.total};
}

const ThrowHistory::RollLines* ThrowHistory::Roll(int row) const {
    return EntryAt(row).roll.get();
}

std::string ThrowHistory::Time(int row) const {
    const int s = EntryAt(row).secondsOfDay;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", s / 3600 % 24, s / 60 % 60, s % 60);
    return text;
}

std::string ThrowHistory::Line(int row) const {
    const RollLines* roll = Roll(row);
    return Time(row) + "  " + (roll ? roll->plain : ThrowLine(Record(row)));
}

std::string ThrowHistory::LineMarkup(int row) const {
    const RollLines* roll = Roll(row);
    return roll ? roll->markup : ThrowLineMarkup(Record(row));
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

namespace {

bool PlainNumber(const std::string& field) {
    std::size_t at = field.size() > 1 && (field[0] == '-' || field[0] == '+') ? 1 : 0;
    if (at == field.size()) return false;
    for (; at < field.size(); ++at) {
        if (field[at] < '0' || field[at] > '9') return false;
    }
    return true;
}

// A field quoted, its quotes doubled, when it holds a comma, a quote or a line break. One that
// a spreadsheet would run as a formula starts with an apostrophe, which makes it text.
std::string CsvField(std::string field) {
    if (!field.empty() && std::string_view("=+-@\t\r").find(field[0]) != std::string::npos &&
        !PlainNumber(field))
        field.insert(0, 1, '\'');
    if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
    std::string quoted = "\"";
    for (char c : field) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

// A day counted from 1970-01-01 as its date, "2026-12-08" (the proleptic Gregorian calendar).
std::string Date(std::int32_t days) {
    const std::int64_t z = std::int64_t{days} + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const std::int64_t m = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    char text[64];
    std::snprintf(text, sizeof text, "%04lld-%02lld-%02lld", static_cast<long long>(y),
                  static_cast<long long>(m), static_cast<long long>(d));
    return text;
}

}  // namespace

std::string ThrowHistory::Csv(const CsvColumn* extra) const {
    std::string csv = "time,name,roll,dice,total";
    csv += (extra ? ',' + CsvField(extra->header) : std::string()) + "\r\n";
    for (int row = 0; row < Count(); ++row) {
        std::string name, roll, dice, total;
        if (const RollLines* lines = Roll(row)) {
            name = lines->name;
            roll = lines->roll;
            dice = lines->dice;
            total = lines->total;
        } else {
            const ThrowRecord record = Record(row);
            roll = record.dice;
            for (Integer face : record.faces) {
                if (!dice.empty()) dice += " + ";
                dice += std::to_string(face);
            }
            total = std::to_string(record.total);
        }
        csv += Date(EntryAt(row).day) + 'T' + Time(row) + ',' + CsvField(name) + ',' +
               CsvField(roll) + ',' + CsvField(dice) + ',' + CsvField(total);
        if (extra) csv += ',' + CsvField(extra->field(row));
        csv += "\r\n";
    }
    return csv;
}

}  // namespace rollkin
