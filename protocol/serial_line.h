#pragma once
// The serial line both ends of a serial link use: raw 8N1, no flow control,
// at exactly one of the standard rates (POSIX).
#include <termios.h>

#include <cstdint>
#include <optional>

namespace protocol {

// The termios speed for an exact baud rate; nothing for a rate the line
// cannot run at.
std::optional<speed_t> BaudConstant(std::int32_t baud);

// Sets the open tty raw 8N1 without flow control at speed; false when the
// line refused any part of it, the speed included.
bool SetRawLine(int fd, speed_t speed);

}  // namespace protocol
