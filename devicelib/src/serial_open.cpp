#include "serial_open.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include "protocol/serial_line.h"
#include "serial_name.h"

namespace vandrel {
int OpenSerial(const std::string& path, std::int32_t baud) {
  const auto speed = protocol::BaudConstant(baud);
  if (!speed) return -1;
  const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  // Another program (or another handle) holding the port makes this fail.
  const bool ok = isatty(fd) && flock(fd, LOCK_EX | LOCK_NB) == 0 && ioctl(fd, TIOCEXCL) == 0 &&
                  protocol::SetRawLine(fd, *speed);
  if (!ok) {
    close(fd);
    return -1;
  }
  tcflush(fd, TCIOFLUSH);
  return fd;
}

}  // namespace vandrel
