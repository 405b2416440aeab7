#include "state/LineText.h"
#include "state/Roll.h"

// Writing a thrown roll as a line, plain or as rich text.
namespace rollkin {

namespace {

std::string Term(const RolledTerm& t, const RollWords& words, bool markup) {
    LineText line(markup);
    for (const RollDie& d : t.dice)
        if (!d.dropped && !d.rerolled) line.Counts(d.face);
    std::string out = "[";
    for (std::size_t k = 0; k < t.dice.size(); ++k) {
        const RollDie& d = t.dice[k];
        if (k > 0) out += ", ";
        // Appended rather than "+" + to_string(): GCC 12 at -O3 warns falsely (-Wrestrict) on that.
        std::string face = t.faces == 0 && d.face > 0 ? "+" : "";
        face += std::to_string(d.face);
        const bool penetrates = k + 1 < t.dice.size() && t.dice[k + 1].penetrated;
        if (d.rerolled) {
            face += 'r';
        } else if (d.compounded > 0) {
            face += "!!";
        } else if (d.exploded) {
            face += penetrates ? "!p" : "!";
        }
        if (d.dropped || d.rerolled) {
            out += markup ? "<s>" + face + "</s>" : d.dropped ? "~" + face + "~" : face;
            continue;
        }
        if (markup && (d.compounded > 0 || d.penetrated)) face = "<i>" + face + "</i>";
        out += line.Marked(d.face, face);
        if (t.faces == 20 && !d.altered && (d.face == 20 || d.face == 1)) {
            out += " (" + line.Text(d.face == 20 ? words.natural20 : words.natural1) + ")";
        } else if (d.critical || d.fumble) {
            const std::string word = line.Text(
                Worded(d.critical ? words.critical : words.fumble, {std::to_string(d.face)}));
            out += markup ? " (<i>" + word + "</i>)" : " (" + word + ")";
        }
    }
    out += "]" + line.Text(t.after);
    if (t.successes >= 0)
        out += " (" +
               line.Text(Worded(words.counts,
                                {std::to_string(t.successes), std::to_string(t.failures)})) +
               ")";
    return out;
}

// A roll's dice and numbers as written, "[14] + 7".
std::string Details(const RolledPart& part, const RollWords& words, bool markup) {
    std::string out;
    for (const RolledPart::Piece& piece : part.details) {
        if (piece.term >= 0) {
            out += Term(part.terms[static_cast<std::size_t>(piece.term)], words, markup);
        } else if (piece.group >= 0) {
            const auto& dropped = part.groups[static_cast<std::size_t>(piece.group)].dropped;
            if (static_cast<std::size_t>(piece.member) < dropped.size() &&
                dropped[static_cast<std::size_t>(piece.member)])
                out += markup ? (piece.ends ? "</s>" : "<s>") : "~";
        } else {
            out += LineText(markup).Text(piece.text);
        }
    }
    return out;
}

std::string Line(const RollOutcome& outcome, const RollWords& words, bool markup) {
    const LineText line(markup);
    std::string out;
    for (const RolledPart& part : outcome.parts) {
        if (!out.empty()) out += "; ";
        out += LineText::Framed(line.Text(part.label.empty() ? part.text : part.label),
                                Details(part, words, markup), part.total);
    }
    if (!outcome.note.empty()) out += " # " + line.Text(outcome.note);
    return line.Unbroken(out);
}

}  // namespace

std::string EscapedControls(std::string_view text) {
    static constexpr char Hex[] = "0123456789abcdef";
    return Replaced(text, [](char c, std::string& out) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (u < 0x20 || u == 0x7f) {
            out += "\\x";
            out += Hex[u >> 4];
            out += Hex[u & 15];
        } else {
            return false;
        }
        return true;
    });
}

std::string RollLine(const RollOutcome& outcome, const RollWords& words) {
    return Line(outcome, words, false);
}

std::string RollLineMarkup(const RollOutcome& outcome, const RollWords& words) {
    return Line(outcome, words, true);
}

RollLines RollLinesOf(const RollOutcome& outcome, const RollWords& words) {
    RollLines lines{RollLine(outcome, words), RollLineMarkup(outcome, words), {}, {}, {}};
    for (const RolledPart& part : outcome.parts) {
        if (&part != &outcome.parts.front()) {
            lines.roll += ", ";
            lines.dice += "; ";
            lines.total += " / ";
        }
        lines.roll += part.text;
        lines.dice += Details(part, words, false);
        lines.total += std::to_string(part.total);
    }
    return lines;
}

}  // namespace rollkin
