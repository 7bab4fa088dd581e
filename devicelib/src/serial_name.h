#pragma once
// Serial port names.
#include <string>
#include <string_view>

namespace vandrel {

// The device path for a port name: a bare "COMn" (n >= 1, any letter case)
// is /dev/ttyS<n-1>; every other name is a path as typed.
std::string SerialDevicePath(std::string_view name);

}  // namespace vandrel
