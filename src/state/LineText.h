#pragma once

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>

namespace rollkin {

// How a throw is written on one line, plain or as Qt rich text: the strip's dice ("3d6: 2 + 5 +
// 6 = 13") and notation ("d20+7: [14] + 7 = 21") follow the same rules. No Qt here.
class LineText {
public:
    explicit LineText(bool markup) : markup_(markup) {}

    bool Markup() const { return markup_; }

    // Text as written: with markup, < > and & become entities.
    std::string Text(std::string_view text) const;

    // A face that counts towards the marks: of those, the highest are bold and the lowest
    // underlined, with markup and when they differ.
    void Counts(std::int64_t face);
    // The face's text with its mark, if any.
    std::string Marked(std::int64_t face, std::string text) const;

    // "name: details = total".
    static std::string Framed(const std::string& name, const std::string& details,
                              std::int64_t total);
    // The whole line kept from breaking, with markup.
    std::string Unbroken(const std::string& line) const;

private:
    bool markup_;
    std::int64_t low_ = std::numeric_limits<std::int64_t>::max();
    std::int64_t high_ = std::numeric_limits<std::int64_t>::min();
};

// `format` with each %1, %2... replaced by the argument of that number, in one pass, as Qt's
// arg() does: a translation may move them or repeat them.
std::string Worded(std::string_view format, std::initializer_list<std::string> args);

// The text with each character that `escape` appends something for (returning true) replaced by
// what it appended.
template <typename Escape>
std::string Replaced(std::string_view text, Escape escape) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
        if (!escape(c, out)) out += c;
    return out;
}

}  // namespace rollkin
