#pragma once
// Conversions of numbers typed by the user.
#include <cstdint>
#include <string>

namespace platform {

// Decimal text with an optional sign to a 32-bit integer. Anything else (the
// empty text and out-of-range numbers included) raises
// Error("'<text>' is not a valid integer value").
std::int32_t StrToInt(const std::string& text);

// Ports and device numbers travel as 16-bit unsigned numbers; a value outside
// 0..65535 raises Error("Range check error").
std::uint16_t CheckedWord(std::int32_t value);

}  // namespace platform
