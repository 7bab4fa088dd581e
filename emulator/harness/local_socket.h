#pragma once
// A TCP socket on 127.0.0.1 bound to a free port, listening or not: a closed
// port to connect to, or a listener that never answers.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace harness {

struct LocalSocket {
  int fd = -1;
  int port = 0;
  explicit LocalSocket(bool listening) {
    fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t len = sizeof a;
    getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    port = ntohs(a.sin_port);
    if (listening) listen(fd, 8);
  }
  ~LocalSocket() { close(fd); }
  LocalSocket(const LocalSocket&) = delete;
  LocalSocket& operator=(const LocalSocket&) = delete;
};

}  // namespace harness
