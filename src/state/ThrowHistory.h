#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QTime>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "state/Dice.h"

namespace rollkin {

// The throws of this run as a list model, newest first, one line each:
// "14:02:11  3d6: 2 + 5 + 6 = 13". At most Capacity throws are kept, the oldest dropped first.
// A throw takes twelve bytes and two a die, so that a night's game costs a few pages.
class ThrowHistory final : public QAbstractListModel {
public:
    static constexpr int Capacity = 1000;
    // The line with the highest and lowest dice marked as in the tooltip, as Qt rich text.
    static constexpr int MarkupRole = Qt::UserRole;

    explicit ThrowHistory(QObject* parent = nullptr);
    ~ThrowHistory() override;

    // Records a throw made at the time of day `at` (whole seconds are kept).
    void Add(const ThrowRecord& record, QTime at);
    void Clear();

    // Row 0 is the newest throw.
    ThrowRecord Record(int row) const;
    QString Line(int row) const;
    // The lines of rows, in row order, one a line; every line when rows is empty.
    QString Text(QList<int> rows) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    struct Entry {
        std::uint32_t firstFace;  // running number of its first die, see faces_
        std::int32_t secondsOfDay;
        Integer total;
        std::uint16_t dice;  // index into diceLabels_
    };
    const Entry& EntryAt(int row) const;
    std::size_t FaceCount(std::size_t entry) const;
    QString Time(int row) const;
    void DropOldest();

    std::deque<Entry> entries_;            // oldest first
    std::deque<Integer> faces_;            // the dice of the kept throws, oldest first
    std::uint32_t droppedFaces_ = 0;       // running number of faces_.front()
    std::uint32_t nextFace_ = 0;           // running number of the next die recorded
    std::vector<std::string> diceLabels_;  // "3d6", each once
};

}  // namespace rollkin
