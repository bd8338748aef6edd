#include "core/gomocup/fields.h"

#include <charconv>

namespace zelvan::gomocup {

namespace {

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> commaFields(std::string_view text) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t comma = text.find(',');
        fields.push_back(trimmed(text.substr(0, comma)));
        if (comma == std::string_view::npos) return fields;
        text.remove_prefix(comma + 1);
    }
}

std::optional<std::int64_t> decimal(std::string_view text) {
    // from_chars takes no '+' and no blanks, and reports overflow itself.
    if (text.empty() || text == "-") return std::nullopt;
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

std::string upperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string quoted(std::string_view text, std::size_t limit) {
    std::string out;
    for (char c : text.substr(0, limit))
        out += c >= ' ' && c <= '~' ? c : '?';
    if (text.size() > limit) out += "...";
    return out;
}

}  // namespace zelvan::gomocup
