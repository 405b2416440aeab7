#include "state/Dice.h"

#include <QString>
#include <algorithm>
#include <cmath>

namespace rollkin {

Integer DieFace(float sides, float r) {
    // Two 24-bit mantissas multiply exactly in a double, so a product just below a whole
    // number stays below it; rounding it to float first could give a face too many.
    const double product = static_cast<double>(sides) * static_cast<double>(r);
    return static_cast<Integer>(static_cast<Integer>(std::floor(product)) + 1);
}

Integer Throw(const AppState& state, int slot, Random& rng, std::vector<Integer>* faces) {
    const Integer n = state.DiceMultiplier(slot);
    const auto sides = static_cast<float>(state.DiceSides(slot));
    if (faces != nullptr) {
        faces->clear();
        faces->reserve(n > 0 ? static_cast<std::size_t>(n) : 0);
    }
    Integer total = 0;
    for (Integer k = 1; k <= n; ++k) {
        const Integer face = DieFace(sides, rng.Rnd());
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

// The faces joined by " + "; with markup the highest bold and the lowest underlined, and with
// wrap ten dice to a line.
std::string Faces(const ThrowRecord& r, bool markup, bool wrap) {
    if (r.faces.empty()) return {};
    const auto [low, high] = std::minmax_element(r.faces.begin(), r.faces.end());
    const bool marked = markup && *low != *high;
    std::string out;
    for (std::size_t k = 0; k < r.faces.size(); ++k) {
        if (k > 0) out += (wrap && k % DiceToALine == 0) ? " +</nobr><br><nobr>" : " + ";
        const std::string face = std::to_string(r.faces[k]);
        if (marked && r.faces[k] == *high) {
            out += "<b>" + face + "</b>";
        } else if (marked && r.faces[k] == *low) {
            out += "<u>" + face + "</u>";
        } else {
            out += face;
        }
    }
    return out;
}

}  // namespace

std::string ThrowTooltip(const ThrowRecord& r) {
    if (r.faces.size() <= 1) return r.dice + ": " + std::to_string(r.total);
    return "<nobr>" + r.dice + ": " + Faces(r, true, true) + " = " + std::to_string(r.total) +
           "</nobr>";
}

std::string ThrowDescription(const ThrowRecord& r, const std::string& extremes) {
    if (r.faces.size() <= 1) return r.dice + ": " + std::to_string(r.total);
    const auto [low, high] = std::minmax_element(r.faces.begin(), r.faces.end());
    return QString::fromStdString(extremes)
        .arg(QString::fromStdString(ThrowLine(r)), QString::number(*high), QString::number(*low))
        .toStdString();
}

std::string ThrowLine(const ThrowRecord& r) {
    if (r.faces.size() <= 1) return r.dice + ": " + std::to_string(r.total);
    return r.dice + ": " + Faces(r, false, false) + " = " + std::to_string(r.total);
}

std::string ThrowLineMarkup(const ThrowRecord& r) {
    if (r.faces.size() <= 1) return ThrowLine(r);
    return "<nobr>" + r.dice + ": " + Faces(r, true, false) + " = " + std::to_string(r.total) +
           "</nobr>";
}

}  // namespace rollkin
