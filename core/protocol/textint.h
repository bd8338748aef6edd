#pragma once
// The program's one text-to-integer conversion, used by the address check and
// by a received MOVE's two numbers.

#include <cstdint>
#include <optional>
#include <string_view>

namespace zelvan {

// Converts text of the form
//   blanks* [+|-] digits            decimal
//   blanks* [+|-] prefix hexdigits  hexadecimal, prefix "$", "x", "X", "0x" or "0X"
// (hex digits in either case). Leading blanks are spaces. Nothing may follow
// the number, not even a blank. A value outside the signed 32-bit range, an
// empty number ("", "-", "$") or any stray character gives no result.
std::optional<std::int32_t> textToInt(std::string_view text);

}  // namespace zelvan
