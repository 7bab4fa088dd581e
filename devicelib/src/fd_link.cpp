#include "fd_link.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

namespace vandrel {
namespace {

#ifndef MSG_NOSIGNAL
#define MSG_NOSIGNAL 0  // platforms with SO_NOSIGPIPE set it on the socket instead
#endif

}  // namespace

FdLink::FdLink(int fd, bool isSocket) : fd_(fd), isSocket_(isSocket) {
  int fds[2];
  if (pipe(fds) == 0) {
    wakeRead_ = fds[0];
    wakeWrite_ = fds[1];
    for (int f : fds) {
      fcntl(f, F_SETFD, FD_CLOEXEC);
      fcntl(f, F_SETFL, fcntl(f, F_GETFL) | O_NONBLOCK);
    }
  }
}

FdLink::~FdLink() {
  // The exclusive mark would outlive us while the device end keeps the tty open.
  if (fd_ >= 0 && !isSocket_) ioctl(fd_, TIOCNXCL);
  for (int f : {fd_, wakeRead_, wakeWrite_})
    if (f >= 0) close(f);
}

void FdLink::Wake() {
  const char byte = 1;
  // A full pipe already wakes every waiter.
  [[maybe_unused]] ssize_t n = write(wakeWrite_, &byte, 1);
}

void FdLink::DiscardInput() {
  if (!isSocket_) tcflush(fd_, TCIFLUSH);
}

// Waits until the link is ready for events, the wake pipe fires or the
// deadline passes; revents receives what the link reported.
IoResult FdLink::WaitReady(short events, Clock::time_point deadline, short* revents) {
  for (;;) {
    pollfd fds[2] = {{fd_, events, 0}, {wakeRead_, POLLIN, 0}};
    const int r = poll(fds, 2, MillisecondsLeft(deadline));
    if (r < 0) {
      if (errno == EINTR) continue;
      return IoResult::Broken;
    }
    if (fds[1].revents & POLLIN) return IoResult::Woken;
    if (r == 0) return IoResult::Timeout;
    *revents = fds[0].revents;
    return IoResult::Ok;
  }
}

IoResult FdLink::WriteAll(const std::uint8_t* data, std::size_t size, Clock::time_point deadline) {
  std::size_t done = 0;
  while (done < size) {
    short revents = 0;
    if (const IoResult ready = WaitReady(POLLOUT, deadline, &revents); ready != IoResult::Ok)
      return ready;
    if (revents & (POLLERR | POLLHUP | POLLNVAL)) return IoResult::Broken;
    const ssize_t n = isSocket_ ? send(fd_, data + done, size - done, MSG_NOSIGNAL)
                                : write(fd_, data + done, size - done);
    if (n < 0) {
      if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) continue;
      return IoResult::Broken;
    }
    done += static_cast<std::size_t>(n);
  }
  return IoResult::Ok;
}

IoResult FdLink::ReadSome(std::uint8_t* buf, std::size_t size, std::size_t* got,
                          Clock::time_point deadline) {
  *got = 0;
  for (;;) {
    short revents = 0;
    if (const IoResult ready = WaitReady(POLLIN, deadline, &revents); ready != IoResult::Ok)
      return ready;
    const ssize_t n = read(fd_, buf, size);
    if (n > 0) {
      *got = static_cast<std::size_t>(n);
      return IoResult::Ok;
    }
    if (n < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) continue;
    // End of stream on a socket, or a hung-up / failing tty (poll said readable).
    return IoResult::Broken;
  }
}

}  // namespace vandrel
