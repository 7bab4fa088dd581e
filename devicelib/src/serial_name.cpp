#include "serial_name.h"

#include <cctype>

namespace vandrel {

std::string SerialDevicePath(std::string_view name) {
  if (name.size() < 4 || name.size() > 8) return std::string(name);
  for (std::size_t i = 0; i < 3; ++i)
    if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i]) return std::string(name);
  unsigned long n = 0;
  for (char c : name.substr(3)) {
    if (c < '0' || c > '9') return std::string(name);
    n = n * 10 + static_cast<unsigned long>(c - '0');
  }
  if (n == 0 || name[3] == '0') return std::string(name);
  return "/dev/ttyS" + std::to_string(n - 1);
}

}  // namespace vandrel
