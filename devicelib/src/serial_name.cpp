#include "serial_name.h"

#include <cctype>
#include <utility>

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

std::optional<speed_t> BaudConstant(std::int32_t baud) {
  static const std::pair<std::int32_t, speed_t> kRates[] = {
      {50, B50},           {75, B75},           {110, B110},         {134, B134},
      {150, B150},         {200, B200},         {300, B300},         {600, B600},
      {1200, B1200},       {1800, B1800},       {2400, B2400},       {4800, B4800},
      {9600, B9600},       {19200, B19200},     {38400, B38400},     {57600, B57600},
      {115200, B115200},   {230400, B230400},
#ifdef B460800
      {460800, B460800},   {500000, B500000},   {576000, B576000},   {921600, B921600},
      {1000000, B1000000}, {1152000, B1152000}, {1500000, B1500000}, {2000000, B2000000},
#endif
  };
  for (const auto& [rate, constant] : kRates)
    if (rate == baud) return constant;
  return std::nullopt;
}

}  // namespace vandrel
