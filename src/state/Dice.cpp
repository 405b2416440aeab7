#include "state/Dice.h"

#include <algorithm>

#include "state/LineText.h"

namespace rollkin {

Integer Throw(const AppState& state, int slot, Random& rng, std::vector<Integer>* faces) {
    const Integer n = state.DiceMultiplier(slot);
    const Integer sides = state.DiceSides(slot);
    if (faces != nullptr) {
        faces->clear();
        faces->reserve(n > 0 ? static_cast<std::size_t>(n) : 0);
    }
    Integer total = 0;
    for (Integer k = 1; k <= n; ++k) {
        const auto face = static_cast<Integer>(DieFace(sides, rng.Rnd()));
        if (faces != nullptr) faces->push_back(face);
        total = static_cast<Integer>(total + face);
    }
    return total;
}

std::string ResultCaption(Integer total) {
    return std::to_string(total);
}

std::string FaceLabel(const AppState& state, int slot) {
    const Integer multiplier = state.DiceMultiplier(slot);
    std::string label = multiplier == 1 ? std::string() : std::to_string(multiplier);
    label += 'd';
    label += std::to_string(state.DiceSides(slot));
    return label;
}

namespace {

constexpr std::size_t DiceToALine = 10;

// The faces joined by " + ", marked as `line` marks them; with wrap ten dice to a line.
std::string Faces(const ThrowRecord& r, LineText line, bool wrap) {
    for (const Integer face : r.faces)
        line.Counts(face);
    std::string out;
    for (std::size_t k = 0; k < r.faces.size(); ++k) {
        if (k > 0) out += (wrap && k % DiceToALine == 0) ? " +</nobr><br><nobr>" : " + ";
        out += line.Marked(r.faces[k], std::to_string(r.faces[k]));
    }
    return out;
}

// The line of a throw of several dice, with its faces wrapped or not.
std::string Line(const ThrowRecord& r, bool markup, bool wrap) {
    const LineText line(markup);
    return line.Unbroken(LineText::Framed(r.dice, Faces(r, line, wrap), r.total));
}

}  // namespace

std::string ThrowTooltip(const ThrowRecord& r) {
    if (r.faces.size() <= 1) return ThrowLine(r);
    return Line(r, true, true);
}

std::string ThrowDescription(const ThrowRecord& r, const std::string& extremes) {
    if (r.faces.size() <= 1) return ThrowLine(r);
    const auto [low, high] = std::minmax_element(r.faces.begin(), r.faces.end());
    return Worded(extremes, {ThrowLine(r), std::to_string(*high), std::to_string(*low)});
}

std::string ThrowLine(const ThrowRecord& r) {
    if (r.faces.size() <= 1) return r.dice + ": " + std::to_string(r.total);
    return Line(r, false, false);
}

std::string ThrowLineMarkup(const ThrowRecord& r) {
    if (r.faces.size() <= 1) return ThrowLine(r);
    return Line(r, true, false);
}

}  // namespace rollkin
