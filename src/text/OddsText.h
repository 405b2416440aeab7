#pragma once

#include <QString>
#include <vector>

#include "state/Odds.h"

class QTranslator;

namespace rollkin {

// Why a roll's odds are not worked out, in one line, in the catalogue's language (with no
// catalogue, in the application's).
QString OddsErrorText(const OddsError& error, const QTranslator* catalogue = nullptr);

// "average 28, 8 to 48": a roll's mean (to one decimal, without a trailing .0) and range.
QString OddsSummary(const Odds& odds);

// Each roll's summary, or why its odds are not worked out; "d20+5: average 15.5, 6 to 25" for
// each of several rolls, one a line.
QString RollOddsSummary(const std::vector<PartOdds>& parts);

// The chance of at least `value`, in per cent to one decimal: "35.0%".
QString OddsPercent(double chance);

}  // namespace rollkin
