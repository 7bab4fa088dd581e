#include "protocol/serial_line.h"

#include <utility>

namespace protocol {

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

bool SetRawLine(int fd, speed_t speed) {
  termios tio{};
  if (tcgetattr(fd, &tio) != 0) return false;
  cfmakeraw(&tio);
  tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
  tio.c_cflag |= CS8 | CLOCAL | CREAD;
  tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  if (cfsetispeed(&tio, speed) != 0 || cfsetospeed(&tio, speed) != 0) return false;
  if (tcsetattr(fd, TCSANOW, &tio) != 0) return false;
  // tcsetattr succeeds when any part was applied: check the speed took.
  termios now{};
  return tcgetattr(fd, &now) == 0 && cfgetospeed(&now) == speed && cfgetispeed(&now) == speed;
}

}  // namespace protocol
