#pragma once
#include <cstdint>
#include <string>

namespace vandrel {

// Opens a serial port exclusively, raw 8N1 at exactly baud, no flow control.
// Returns the descriptor, or -1 (unknown rate, not a tty, busy, missing).
int OpenSerial(const std::string& path, std::int32_t baud);

}  // namespace vandrel
