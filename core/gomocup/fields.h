#pragma once
// The pieces of a protocol line: blanks trimmed, comma-separated fields and
// plain decimal numbers. Shared by the brain program, which reads commands,
// and the match runner, which reads the brains' answers.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvan::gomocup {

// Without leading and trailing spaces, tabs and line ends.
std::string_view trimmed(std::string_view text);

// The text split at every comma, each field trimmed ("1, 2" gives "1", "2").
std::vector<std::string_view> commaFields(std::string_view text);

// A decimal integer: an optional minus sign and at least one digit, nothing
// else, within the signed 64-bit range. Anything else gives no value.
std::optional<std::int64_t> decimal(std::string_view text);

// The text in upper case (ASCII letters only).
std::string upperCase(std::string_view text);

// At most `limit` characters of `text` for quoting in a message, every
// character outside printable ASCII shown as '?'.
std::string quoted(std::string_view text, std::size_t limit = 40);

}  // namespace zelvan::gomocup
