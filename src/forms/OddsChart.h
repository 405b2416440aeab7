#pragma once

#include <QWidget>
#include <optional>

#include "state/Odds.h"

namespace rollkin {

// A small bar chart of a roll's odds: one bar a total (or a group of neighbouring totals when
// there are more totals than pixels), the totals at or past a threshold in the highlight colour.
class OddsChart final : public QWidget {
    Q_OBJECT

public:
    explicit OddsChart(QWidget* parent = nullptr);

    // Nothing to draw without odds.
    void SetOdds(std::optional<Odds> odds);
    void SetThreshold(RollValue atLeast);
    const std::optional<Odds>& Shown() const { return odds_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<Odds> odds_;
    RollValue threshold_ = 0;
};

}  // namespace rollkin
