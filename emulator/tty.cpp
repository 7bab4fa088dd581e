#include "emulator/tty.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "protocol/serial_line.h"

namespace emulator {
namespace {

std::string Reason(const std::string& what) { return what + ": " + std::strerror(errno); }

}  // namespace

int OpenTty(const std::string& path, int baud, std::string* error) {
  const auto speed = protocol::BaudConstant(baud);
  if (!speed) {
    *error = "unsupported baud rate " + std::to_string(baud);
    return -1;
  }
  const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    *error = Reason("cannot open " + path);
    return -1;
  }
  if (!isatty(fd) || !protocol::SetRawLine(fd, *speed)) {
    *error = path + " is not a usable tty";
    close(fd);
    return -1;
  }
  return fd;
}

bool CreatePty(const std::string& link, Pty* pty, std::string* error) {
  struct stat st {};
  if (lstat(link.c_str(), &st) == 0 && !S_ISLNK(st.st_mode)) {
    *error = link + " exists and is not a symlink; not replacing it";
    return false;
  }
  pty->master = posix_openpt(O_RDWR | O_NOCTTY);
  char name[128];
  if (pty->master < 0 || grantpt(pty->master) != 0 || unlockpt(pty->master) != 0 ||
      ptsname_r(pty->master, name, sizeof name) != 0) {
    *error = Reason("cannot create a pseudo-terminal");
    return false;
  }
  fcntl(pty->master, F_SETFD, FD_CLOEXEC);
  pty->slavePath = name;
  pty->slave = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (pty->slave < 0 || !protocol::SetRawLine(pty->slave, B115200)) {
    *error = Reason("cannot set up " + pty->slavePath);
    return false;
  }
  unlink(link.c_str());
  if (symlink(name, link.c_str()) != 0) {
    *error = Reason("cannot create the symlink " + link);
    return false;
  }
  return true;
}

void RemovePtyLink(const std::string& link, const Pty& pty) {
  char target[256];
  const ssize_t n = readlink(link.c_str(), target, sizeof target - 1);
  if (n <= 0) return;
  target[n] = '\0';
  if (pty.slavePath == target) unlink(link.c_str());
}

void ReleaseExclusive(int fd) {
  if (fd >= 0) ioctl(fd, TIOCNXCL);
}

}  // namespace emulator
