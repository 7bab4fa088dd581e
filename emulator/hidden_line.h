#pragma once
// Hidden options (names beginning with "~") may arrive with their value
// encoded: two hex digits of a seed, then per value character two hex digits
// of the running XOR of the seed and every character so far.
#include <optional>
#include <string>
#include <string_view>

namespace emulator {

// The program encodes hidden lines exactly when the device's "~OS" value is
// empty or "NONE"; the device decodes by the same rule.
bool HiddenLinesEncoded(std::string_view osValue);

// The clear value, or nothing for a malformed encoding (odd length, a digit
// outside "0123456789ABCDEF", a seed of 0 or 255, a NUL character).
std::optional<std::string> DecodeHiddenValue(std::string_view encoded);

}  // namespace emulator
