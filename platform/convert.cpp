#include "platform/convert.h"

#include <limits>

#include "platform/error.h"

namespace platform {

std::int32_t StrToInt(const std::string& text) {
  const auto invalid = [&text] { return Error("'" + text + "' is not a valid integer value"); };
  std::size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  if (pos == text.size()) throw invalid();

  // Accumulate the magnitude in 64 bits and stop as soon as it leaves the
  // 32-bit range, so arbitrarily long digit runs cannot overflow.
  const std::int64_t limit =
      negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
               : std::numeric_limits<std::int32_t>::max();
  std::int64_t magnitude = 0;
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (c < '0' || c > '9') throw invalid();
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) throw invalid();
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::uint16_t CheckedWord(std::int32_t value) {
  if (value < 0 || value > 65535) throw Error("Range check error");
  return static_cast<std::uint16_t>(value);
}

}  // namespace platform
