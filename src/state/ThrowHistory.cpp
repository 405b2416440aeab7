#include "state/ThrowHistory.h"

#include <algorithm>

namespace rollkin {

ThrowHistory::ThrowHistory(QObject* parent) : QAbstractListModel(parent) {}

ThrowHistory::~ThrowHistory() = default;

void ThrowHistory::Add(const ThrowRecord& record, QTime at) {
    if (entries_.size() >= Capacity) DropOldest();
    // A handful of labels in a game (at most the ten dice times the multipliers), kept once.
    auto label = std::find(diceLabels_.begin(), diceLabels_.end(), record.dice);
    if (label == diceLabels_.end()) label = diceLabels_.insert(label, record.dice);
    const Entry entry{nextFace_, at.isValid() ? at.msecsSinceStartOfDay() / 1000 : 0, record.total,
                      static_cast<std::uint16_t>(label - diceLabels_.begin())};
    beginInsertRows({}, 0, 0);
    entries_.push_back(entry);
    faces_.insert(faces_.end(), record.faces.begin(), record.faces.end());
    nextFace_ += static_cast<std::uint32_t>(record.faces.size());
    endInsertRows();
}

void ThrowHistory::DropOldest() {
    const int last = static_cast<int>(entries_.size()) - 1;
    beginRemoveRows({}, last, last);
    const std::size_t count = FaceCount(0);
    faces_.erase(faces_.begin(), faces_.begin() + static_cast<std::ptrdiff_t>(count));
    droppedFaces_ += static_cast<std::uint32_t>(count);
    entries_.pop_front();
    endRemoveRows();
}

void ThrowHistory::Clear() {
    beginResetModel();
    entries_ = {};  // gives the memory back, which clear() would keep
    faces_ = {};
    droppedFaces_ = nextFace_ = 0;
    diceLabels_.clear();
    endResetModel();
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

QString ThrowHistory::Time(int row) const {
    const int s = EntryAt(row).secondsOfDay;
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600, 2, 10, QLatin1Char('0'))
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

QString ThrowHistory::Line(int row) const {
    return Time(row) + QStringLiteral("  ") + QString::fromStdString(ThrowLine(Record(row)));
}

QString ThrowHistory::Text(QList<int> rows) const {
    if (rows.isEmpty()) {
        for (int row = 0; row < rowCount(); ++row)
            rows << row;
    }
    std::sort(rows.begin(), rows.end());
    QStringList lines;
    for (int row : rows)
        lines << Line(row);
    return lines.join(QLatin1Char('\n'));
}

int ThrowHistory::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant ThrowHistory::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int row = index.row();
    switch (role) {
        case Qt::DisplayRole:
            return Line(row);
        case MarkupRole:
            return Time(row) + QStringLiteral("&nbsp;&nbsp;") +
                   QString::fromStdString(ThrowLineMarkup(Record(row)));
        case Qt::AccessibleDescriptionRole:
            // Screen readers hear the marks as the strip's buttons describe them.
            return QString::fromStdString(ThrowDescription(Record(row)));
        default:
            return {};
    }
}

}  // namespace rollkin
