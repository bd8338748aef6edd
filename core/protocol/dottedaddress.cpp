#include "core/protocol/dottedaddress.h"

#include "core/protocol/textint.h"

namespace zelvan {

std::optional<std::array<int, 4>> ipNumbers(const std::string& text) {
    if (text.size() < 7 || text.size() > 15) return std::nullopt;

    // Parts 1 to 3 end at the first dot of what is left, which may not be the
    // first character; part 4 is the rest, dots and all.
    std::array<std::string, 4> parts;
    std::string rest = text;
    for (int k = 0; k < 3; ++k) {
        const std::size_t dot = rest.find('.');
        if (dot == std::string::npos || dot == 0) return std::nullopt;
        parts[k] = rest.substr(0, dot);
        rest.erase(0, dot + 1);
    }
    parts[3] = rest;

    std::array<int, 4> numbers{};
    for (int k = 0; k < 4; ++k) {
        const auto v = textToInt(parts[k]);
        if (!v || *v < 0 || *v > 255) return std::nullopt;
        numbers[k] = *v;
    }
    return numbers;
}

bool isDottedAddress(const std::string& text) {
    return ipNumbers(text).has_value();
}

std::optional<std::string> dottedAddress(const std::string& text) {
    const auto n = ipNumbers(text);
    if (!n) return std::nullopt;
    return std::to_string((*n)[0]) + "." + std::to_string((*n)[1]) + "." + std::to_string((*n)[2]) +
           "." + std::to_string((*n)[3]);
}

}  // namespace zelvan
