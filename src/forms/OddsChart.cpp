#include "forms/OddsChart.h"

#include <QPainter>
#include <algorithm>

namespace rollkin {

OddsChart::OddsChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chtOdds"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void OddsChart::SetOdds(std::optional<Odds> odds) {
    odds_ = std::move(odds);
    update();
}

void OddsChart::SetThreshold(RollValue atLeast) {
    threshold_ = atLeast;
    update();
}

QSize OddsChart::sizeHint() const {
    const int line = fontMetrics().height();
    return {line * 10, line * 5};
}

void OddsChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    const QRect area = rect().adjusted(1, 1, -1, -1);
    p.fillRect(rect(), palette().color(QPalette::Base));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!odds_ || odds_->p.empty() || area.width() <= 0) return;
    const auto values = static_cast<qint64>(odds_->p.size());
    // Totals per bar, so that every bar is at least a pixel wide.
    const qint64 per = (values + area.width() - 1) / area.width();
    const qint64 bars = (values + per - 1) / per;
    std::vector<double> height(static_cast<std::size_t>(bars), 0.0);
    for (qint64 i = 0; i < values; ++i)
        height[static_cast<std::size_t>(i / per)] += odds_->p[static_cast<std::size_t>(i)];
    const double top = *std::max_element(height.begin(), height.end());
    if (top <= 0) return;
    const QColor below = palette().color(QPalette::Dark);
    const QColor past = palette().color(QPalette::Highlight);
    for (qint64 b = 0; b < bars; ++b) {
        const int left = area.left() + static_cast<int>(b * area.width() / bars);
        const int right = area.left() + static_cast<int>((b + 1) * area.width() / bars);
        const int h = static_cast<int>(height[static_cast<std::size_t>(b)] / top * area.height());
        // A bar whose totals reach the threshold counts as past it.
        const RollValue last = odds_->lo + std::min(values, (b + 1) * per) - 1;
        const QRect bar(left, area.bottom() - h + 1, std::max(1, right - left - (per == 1 ? 1 : 0)),
                        h);
        p.fillRect(bar, last >= threshold_ ? past : below);
    }
}

}  // namespace rollkin
