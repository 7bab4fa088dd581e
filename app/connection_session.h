#pragma once
// An open device connection inside one handler: the configuration exchange is
// ended and the connection closed on every way out, an error included.
#include "device/Vandrel.h"

class ConnectionSession {
 public:
  explicit ConnectionSession(Vandrel::ConnectionHandle handle) : handle_(handle) {}
  ConnectionSession(const ConnectionSession&) = delete;
  ConnectionSession& operator=(const ConnectionSession&) = delete;
  ~ConnectionSession();

  // EndConfiguration, then the close; runs once.
  void Finish();

 private:
  Vandrel::ConnectionHandle handle_;
  bool finished_ = false;
};
