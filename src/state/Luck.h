#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "state/Odds.h"
#include "state/ThrowHistory.h"

namespace rollkin {

// How lucky the throws in History were: each throw's mid-rank in its roll's exact odds, and the
// test of them all. Worked out from History's lines on demand, so a throw costs nothing more.
class ThrowLuck {
public:
    explicit ThrowLuck(const ThrowHistory& throws) : throws_(throws) {}

    // A row's mid-rank for each of its rolls, 0 to 1; none when its odds are not worked out.
    std::vector<double> MidRanks(int row);
    // Every throw's rolls, each weighing with its own variance.
    LuckTest Test();

private:
    struct Sample {
        double midRank;
        double variance;
    };
    std::vector<Sample> Samples(int row);
    const std::vector<PartOdds>* OddsOf(const std::string& roll);

    const ThrowHistory& throws_;
    std::map<std::string, std::vector<PartOdds>> odds_;  // by roll
    std::size_t kept_ = 0;                               // chances held in odds_
};

}  // namespace rollkin
