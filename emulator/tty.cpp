#include "emulator/tty.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace emulator {
namespace {

bool SpeedFor(int baud, speed_t* speed) {
  static const std::pair<int, speed_t> kRates[] = {
      {1200, B1200},     {2400, B2400},     {4800, B4800},    {9600, B9600},
      {19200, B19200},   {38400, B38400},   {57600, B57600},  {115200, B115200},
      {230400, B230400}, {460800, B460800}, {921600, B921600}};
  for (const auto& [rate, s] : kRates)
    if (rate == baud) {
      *speed = s;
      return true;
    }
  return false;
}

bool MakeRaw(int fd, speed_t speed) {
  termios tio{};
  if (tcgetattr(fd, &tio) != 0) return false;
  cfmakeraw(&tio);
  tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
  tio.c_cflag |= CS8 | CLOCAL | CREAD;
  cfsetispeed(&tio, speed);
  cfsetospeed(&tio, speed);
  return tcsetattr(fd, TCSANOW, &tio) == 0;
}

std::string Reason(const std::string& what) { return what + ": " + std::strerror(errno); }

}  // namespace

int OpenTty(const std::string& path, int baud, std::string* error) {
  speed_t speed;
  if (!SpeedFor(baud, &speed)) {
    *error = "unsupported baud rate " + std::to_string(baud);
    return -1;
  }
  const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    *error = Reason("cannot open " + path);
    return -1;
  }
  if (!isatty(fd) || !MakeRaw(fd, speed)) {
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
  if (pty->slave < 0 || !MakeRaw(pty->slave, B115200)) {
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
