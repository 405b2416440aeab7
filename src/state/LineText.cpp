#include "state/LineText.h"

#include <algorithm>
#include <vector>

namespace rollkin {

std::string LineText::Text(std::string_view text) const {
    if (!markup_) return std::string(text);
    return Replaced(text, [](char c, std::string& out) {
        const char* entity = c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '&' ? "&amp;" : nullptr;
        if (entity != nullptr) out += entity;
        return entity != nullptr;
    });
}

void LineText::Counts(std::int64_t face) {
    low_ = std::min(low_, face);
    high_ = std::max(high_, face);
}

std::string LineText::Marked(std::int64_t face, std::string text) const {
    if (!markup_ || low_ >= high_) return text;
    if (face == high_) return "<b>" + text + "</b>";
    if (face == low_) return "<u>" + text + "</u>";
    return text;
}

std::string LineText::Framed(const std::string& name, const std::string& details,
                             std::int64_t total) {
    return name + ": " + details + " = " + std::to_string(total);
}

std::string LineText::Unbroken(const std::string& line) const {
    return markup_ ? "<nobr>" + line + "</nobr>" : line;
}

std::string Worded(std::string_view format, std::initializer_list<std::string> args) {
    const std::vector<std::string> by(args);
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char next = i + 1 < format.size() ? format[i + 1] : '\0';
        const auto n = static_cast<std::size_t>(next - '1');
        if (format[i] == '%' && next >= '1' && next <= '9' && n < by.size()) {
            out += by[n];
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

}  // namespace rollkin
