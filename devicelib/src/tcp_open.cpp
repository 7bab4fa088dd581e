#include "tcp_open.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "deadline.h"

namespace vandrel {
namespace {

bool WaitConnected(int fd, Clock::time_point deadline) {
  for (;;) {
    pollfd p{fd, POLLOUT, 0};
    const int r = poll(&p, 1, MillisecondsLeft(deadline));
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) return false;
    int error = 0;
    socklen_t len = sizeof error;
    return getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &len) == 0 && error == 0;
  }
}

}  // namespace

int OpenTcp(const char* address, std::int32_t port, int timeoutMs) {
  if (port < 1 || port > 65535) return -1;
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_NUMERICHOST | AI_NUMERICSERV;
  addrinfo* found = nullptr;
  if (getaddrinfo(address, std::to_string(port).c_str(), &hints, &found) != 0) return -1;
  const auto deadline = DeadlineIn(timeoutMs);
  int fd = socket(found->ai_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  bool ok = fd >= 0;
  if (ok) {
    const int on = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
#ifdef SO_NOSIGPIPE
    setsockopt(fd, SOL_SOCKET, SO_NOSIGPIPE, &on, sizeof on);
#endif
    const int r = connect(fd, found->ai_addr, found->ai_addrlen);
    ok = r == 0 || (errno == EINPROGRESS && WaitConnected(fd, deadline));
  }
  freeaddrinfo(found);
  if (!ok && fd >= 0) {
    close(fd);
    fd = -1;
  }
  return fd;
}

}  // namespace vandrel
