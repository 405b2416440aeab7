#include "state/Luck.h"

#include <cstdlib>

namespace rollkin {

namespace {

// The odds of every roll seen are kept up to this many chances in all (16 MB): an evening's
// rolls fit many times over, and one past it starts the store afresh.
constexpr std::size_t KeptChances = 2000000;

// "21 / 7" as its totals.
std::optional<std::vector<RollValue>> Totals(const std::string& text) {
    std::vector<RollValue> totals;
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t end = text.find(" / ", at);
        if (end == std::string::npos) end = text.size();
        const std::string one = text.substr(at, end - at);
        char* stop = nullptr;
        const long long v = std::strtoll(one.c_str(), &stop, 10);
        if (one.empty() || *stop != '\0') return std::nullopt;
        totals.push_back(v);
        at = end + 3;
    }
    return totals;
}

}  // namespace

const std::vector<PartOdds>* ThrowLuck::OddsOf(const std::string& roll) {
    if (const auto known = odds_.find(roll); known != odds_.end()) return &known->second;
    const DiceRoll parsed(roll);
    if (parsed.Error()) return nullptr;
    std::vector<PartOdds> odds = RollOdds(parsed);
    std::size_t chances = 0;
    for (const PartOdds& part : odds)
        chances += part.odds.p.size();
    if (kept_ + chances > KeptChances) {
        odds_.clear();
        kept_ = 0;
    }
    kept_ += chances;
    return &odds_.emplace(roll, std::move(odds)).first->second;
}

std::vector<ThrowLuck::Sample> ThrowLuck::Samples(int row) {
    std::string roll, total;
    if (const ThrowHistory::RollLines* lines = throws_.Roll(row)) {
        roll = lines->roll;
        // A saved roll's is "Fireball: 8d6"; the notation has no colon.
        if (const std::size_t colon = roll.rfind(':'); colon != std::string::npos)
            roll = roll.substr(colon + 1);
        total = lines->total;
    } else {
        const ThrowRecord record = throws_.Record(row);
        roll = record.dice;
        total = std::to_string(record.total);
    }
    const std::vector<PartOdds>* odds = OddsOf(roll);
    const std::optional<std::vector<RollValue>> totals = Totals(total);
    if (odds == nullptr || !totals || totals->size() != odds->size()) return {};
    std::vector<Sample> samples;
    for (std::size_t k = 0; k < odds->size(); ++k) {
        const PartOdds& part = (*odds)[k];
        if (part.error) return {};
        samples.push_back({part.odds.MidRank((*totals)[k]), part.odds.MidRankVariance()});
    }
    return samples;
}

std::vector<double> ThrowLuck::MidRanks(int row) {
    std::vector<double> ranks;
    for (const Sample& s : Samples(row))
        ranks.push_back(s.midRank);
    return ranks;
}

LuckTest ThrowLuck::Test() {
    std::vector<LuckSample> all;
    int counted = 0;
    for (int row = 0; row < throws_.Count(); ++row) {
        const std::vector<Sample> samples = Samples(row);
        counted += samples.empty() ? 0 : 1;
        for (const Sample& s : samples)
            all.push_back({s.midRank, s.variance});
    }
    LuckTest test = TestLuck(all);
    test.throws = counted;  // a throw of several rolls is one throw
    return test;
}

}  // namespace rollkin
