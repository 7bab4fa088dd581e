#pragma once
// Where the emulator listens: a TCP address (several clients at once), a
// serial tty or a pseudo-terminal (one line, one client at a time).
#include <chrono>
#include <string>

#include <asio.hpp>

#include "emulator/device.h"
#include "emulator/tty.h"

namespace emulator {

class Server {
 public:
  Server(asio::io_context& io, Device& device, const Log& log,
         std::chrono::milliseconds idleTimeout)
      : io_(io), acceptor_(io), device_(device), log_(log), idleTimeout_(idleTimeout) {}
  ~Server();

  // host: a numeric address; port 0 picks a free one. Logs the address.
  bool ListenTcp(const std::string& host, unsigned short port, std::string* error);
  bool ServeSerial(const std::string& path, int baud, std::string* error);
  bool ServePty(const std::string& link, std::string* error);

 private:
  void Accept();
  void ServeDescriptor(int fd, const std::string& peer, int exclusiveFd);

  asio::io_context& io_;
  asio::ip::tcp::acceptor acceptor_;
  Device& device_;
  const Log& log_;
  std::chrono::milliseconds idleTimeout_;
  std::string ptyLink_;
  Pty pty_;
};

}  // namespace emulator
