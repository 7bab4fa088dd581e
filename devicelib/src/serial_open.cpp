#include "serial_open.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include "serial_name.h"

namespace vandrel {
namespace {

bool MakeRaw(int fd, speed_t speed) {
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

}  // namespace

int OpenSerial(const std::string& path, std::int32_t baud) {
  const auto speed = BaudConstant(baud);
  if (!speed) return -1;
  const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  // Another program (or another handle) holding the port makes this fail.
  const bool ok = isatty(fd) && flock(fd, LOCK_EX | LOCK_NB) == 0 && ioctl(fd, TIOCEXCL) == 0 &&
                  MakeRaw(fd, *speed);
  if (!ok) {
    close(fd);
    return -1;
  }
  tcflush(fd, TCIOFLUSH);
  return fd;
}

}  // namespace vandrel
