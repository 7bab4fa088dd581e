#pragma once
// Serial port names and line speeds.
#include <termios.h>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vandrel {

// The device path for a port name: a bare "COMn" (n >= 1, any letter case)
// is /dev/ttyS<n-1>; every other name is a path as typed.
std::string SerialDevicePath(std::string_view name);

// The termios speed for an exact baud rate; nothing for a rate the line
// cannot run at.
std::optional<speed_t> BaudConstant(std::int32_t baud);

}  // namespace vandrel
