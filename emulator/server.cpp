#include "emulator/server.h"

#include <unistd.h>

#include "emulator/session.h"

namespace emulator {

Server::~Server() {
  if (!ptyLink_.empty()) RemovePtyLink(ptyLink_, pty_);
  if (pty_.slave >= 0) close(pty_.slave);
}

bool Server::ListenTcp(const std::string& host, unsigned short port, std::string* error) {
  std::error_code ec;
  const auto address = asio::ip::make_address(host, ec);
  if (ec) {
    *error = "not a numeric address: " + host;
    return false;
  }
  const asio::ip::tcp::endpoint endpoint(address, port);
  acceptor_.open(endpoint.protocol(), ec);
  if (!ec) acceptor_.set_option(asio::socket_base::reuse_address(true), ec);
  if (!ec) acceptor_.bind(endpoint, ec);
  if (!ec) acceptor_.listen(asio::socket_base::max_listen_connections, ec);
  if (ec) {
    *error = "cannot listen on " + host + ":" + std::to_string(port) + ": " + ec.message();
    return false;
  }
  const auto local = acceptor_.local_endpoint();
  log_.Notice("listening on tcp " + local.address().to_string() + ":" +
              std::to_string(local.port()));
  Accept();
  return true;
}

void Server::Accept() {
  acceptor_.async_accept([this](std::error_code ec, asio::ip::tcp::socket socket) {
    if (ec == asio::error::operation_aborted) return;
    if (!ec) {
      std::error_code ignored;
      const auto remote = socket.remote_endpoint(ignored);
      const std::string peer =
          "tcp " + remote.address().to_string() + ":" + std::to_string(remote.port());
      if (device_.RefuseConnection()) {
        log_.Notice(peer + " connection refused (fault injection)");
        socket.close(ignored);
      } else {
        socket.set_option(asio::ip::tcp::no_delay(true), ignored);
        log_.Session(peer + " connected");
        SessionState state;
        state.peer = peer;
        state.tcp = true;
        std::make_shared<Session<asio::ip::tcp::socket>>(std::move(socket), device_, log_, state,
                                                         false, idleTimeout_)
            ->Start();
      }
    }
    Accept();
  });
}

void Server::ServeDescriptor(int fd, const std::string& peer, int exclusiveFd) {
  SessionState state;
  state.peer = peer;
  state.tcp = false;
  std::make_shared<Session<asio::posix::stream_descriptor>>(
      asio::posix::stream_descriptor(io_, fd), device_, log_, state, true, idleTimeout_,
      [exclusiveFd] { ReleaseExclusive(exclusiveFd); })
      ->Start();
}

bool Server::ServeSerial(const std::string& path, int baud, std::string* error) {
  const int fd = OpenTty(path, baud, error);
  if (fd < 0) return false;
  log_.Notice("listening on serial " + path + " at " + std::to_string(baud) + " baud");
  ServeDescriptor(fd, "serial " + path, -1);
  return true;
}

bool Server::ServePty(const std::string& link, std::string* error) {
  if (!CreatePty(link, &pty_, error)) {
    if (pty_.master >= 0) close(pty_.master);
    if (pty_.slave >= 0) close(pty_.slave);
    pty_ = Pty{};
    return false;
  }
  ptyLink_ = link;
  log_.Notice("listening on pty " + link + " -> " + pty_.slavePath);
  ServeDescriptor(pty_.master, "pty " + link, pty_.slave);
  return true;
}

}  // namespace emulator
