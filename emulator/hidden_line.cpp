#include "emulator/hidden_line.h"

namespace emulator {
namespace {

int Digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;  // the encoder writes upper case only
}

}  // namespace

bool HiddenLinesEncoded(std::string_view osValue) { return osValue.empty() || osValue == "NONE"; }

std::optional<std::string> DecodeHiddenValue(std::string_view encoded) {
  if (encoded.size() < 2 || encoded.size() % 2 != 0) return std::nullopt;
  std::string value;
  int previous = -1;
  for (std::size_t i = 0; i < encoded.size(); i += 2) {
    const int hi = Digit(encoded[i]);
    const int lo = Digit(encoded[i + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    const int pair = hi * 16 + lo;
    if (previous < 0) {
      if (pair == 0 || pair == 255) return std::nullopt;  // seeds lie in 1..254
    } else {
      const int c = pair ^ previous;
      if (c == 0) return std::nullopt;
      value.push_back(static_cast<char>(c));
    }
    previous = pair;
  }
  return value;
}

}  // namespace emulator
