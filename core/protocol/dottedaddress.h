#pragma once
// The address check behind CALL: four numbers 0..255 separated by dots, each
// read with the program's text-to-integer conversion.

#include <array>
#include <optional>
#include <string>

namespace zelvan {

// True when the text is 7 to 15 characters long and splits at its first
// three dots into four parts (the first three non-empty) that each convert
// to a number from 0 to 255. Blanks before a number, a sign and the
// hexadecimal forms of the conversion are accepted inside a part.
bool isDottedAddress(const std::string& text);

// The four numbers isDottedAddress read, or nothing when isDottedAddress fails.
std::optional<std::array<int, 4>> ipNumbers(const std::string& text);

// The address to connect to for a text that passes isDottedAddress: the four numbers
// as plain dotted decimal ("010.0.0.1" -> "10.0.0.1", " $a.0.0.1" ->
// "10.0.0.1"), so the socket layer reaches exactly the address that was
// checked. Nothing when isDottedAddress fails.
std::optional<std::string> dottedAddress(const std::string& text);

}  // namespace zelvan
