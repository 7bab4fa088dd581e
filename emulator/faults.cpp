#include "emulator/faults.h"

namespace emulator {

std::optional<WriteFault> ParseWriteFault(const std::string& text) {
  const std::size_t colon = text.rfind(':');
  if (colon != std::string::npos && colon + 1 < text.size() &&
      text.find_first_not_of("0123456789", colon + 1) == std::string::npos &&
      text.size() - colon <= 9) {
    if (colon == 0) return std::nullopt;
    return WriteFault{text.substr(0, colon), std::stoi(text.substr(colon + 1))};
  }
  if (text.empty()) return std::nullopt;
  return WriteFault{text, -1};
}

}  // namespace emulator
