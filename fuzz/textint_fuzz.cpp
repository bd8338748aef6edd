// The text-to-integer conversion against a second reading built on
// std::from_chars, numbers written out and read back, and the address
// check's agreement with the address it hands to the socket layer.

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "check.h"
#include "core/protocol/dottedaddress.h"
#include "core/protocol/textint.h"

using namespace zelvan;

namespace {

// Blanks, sign, hex prefix, then digits that std::from_chars must take whole.
std::optional<std::int32_t> referenceInt(std::string_view t) {
    std::size_t i = 0;
    while (i < t.size() && t[i] == ' ')
        ++i;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    int base = 10;
    if (t.substr(i, 2) == "0x" || t.substr(i, 2) == "0X") {
        base = 16;
        i += 2;
    } else if (i < t.size() && (t[i] == '$' || t[i] == 'x' || t[i] == 'X')) {
        base = 16;
        ++i;
    }
    const std::string_view digits = t.substr(i);
    if (digits.empty()) return std::nullopt;
    std::uint64_t magnitude = 0;
    const auto [end, ec] =
        std::from_chars(digits.data(), digits.data() + digits.size(), magnitude, base);
    if (ec != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
    const std::uint64_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
    if (magnitude > limit) return std::nullopt;
    return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(magnitude)
                                              : static_cast<std::int64_t>(magnitude));
}

std::string hex(std::uint64_t v, bool upper) {
    char buf[20];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, 16);
    std::string s(buf, r.ptr);
    if (upper)
        for (char& c : s)
            if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

// Every way the conversion accepts to write v reads back as v.
void checkWrittenForms(std::int32_t v) {
    FUZZ_CHECK(textToInt(std::to_string(v)) == v);
    FUZZ_CHECK(textToInt("  " + std::to_string(v)) == v);
    const std::string sign = v < 0 ? "-" : "+";
    const std::uint64_t magnitude =
        v < 0 ? static_cast<std::uint64_t>(-static_cast<std::int64_t>(v)) : std::uint64_t(v);
    for (const char* prefix : {"$", "x", "X", "0x", "0X"}) {
        FUZZ_CHECK(textToInt(sign + prefix + hex(magnitude, false)) == v);
        FUZZ_CHECK(textToInt(" " + sign + prefix + hex(magnitude, true)) == v);
    }
    // One past either end of the range has no value.
    if (v == INT32_MAX) FUZZ_CHECK(!textToInt("2147483648"));
    if (v == INT32_MIN) FUZZ_CHECK(!textToInt("-2147483649"));
}

void checkAddress(const std::string& text) {
    const auto numbers = ipNumbers(text);
    const auto dotted = dottedAddress(text);
    FUZZ_CHECK(isDottedAddress(text) == numbers.has_value());
    FUZZ_CHECK(dotted.has_value() == numbers.has_value());
    if (!numbers) return;
    FUZZ_CHECK(text.size() >= 7 && text.size() <= 15);
    // The address called is plain dotted decimal, passes the check itself
    // and names the same four numbers.
    FUZZ_CHECK(dotted->size() >= 7 && dotted->size() <= 15);
    int dots = 0;
    for (std::size_t i = 0; i < dotted->size(); ++i) {
        const char c = (*dotted)[i];
        FUZZ_CHECK(c == '.' || (c >= '0' && c <= '9'));
        if (c == '.') ++dots;
        // No part starts with a zero unless it is the zero.
        if (c == '0' && (i == 0 || (*dotted)[i - 1] == '.') && i + 1 < dotted->size())
            FUZZ_CHECK((*dotted)[i + 1] == '.');
    }
    FUZZ_CHECK(dots == 3);
    FUZZ_CHECK(ipNumbers(*dotted) == numbers);
    FUZZ_CHECK(dottedAddress(*dotted) == dotted);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    FUZZ_CHECK(textToInt(text) == referenceInt(text));
    checkAddress(text);

    if (size >= 4) {
        const std::uint32_t u =
            data[0] | data[1] << 8 | data[2] << 16 | std::uint32_t(data[3]) << 24;
        checkWrittenForms(static_cast<std::int32_t>(u));
        // Any four numbers 0..255 written as dotted decimal pass the check.
        const std::string address = std::to_string(data[0]) + "." + std::to_string(data[1]) + "." +
                                    std::to_string(data[2]) + "." + std::to_string(data[3]);
        FUZZ_CHECK(ipNumbers(address) == (std::array<int, 4>{data[0], data[1], data[2], data[3]}));
        checkAddress(address);
    }
    return 0;
}
