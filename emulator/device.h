#pragma once
// The terminal the emulator plays: answers decoded request frames, keeps the
// options in the store, tracks each session's configuration exchange and
// carries out a requested restart when the session ends. Knows nothing of
// sockets or ttys.
#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "emulator/faults.h"
#include "emulator/log.h"
#include "emulator/store.h"
#include "protocol/frame.h"

namespace emulator {

struct DeviceConfig {
  std::uint16_t number = 1;
  std::string os;  // the value of "~OS"
  Faults faults;
};

// One client's session: a TCP connection, or the time between a handshake
// and the end on a serial line.
struct SessionState {
  std::string peer;  // for the log, e.g. "tcp 127.0.0.1:5000"
  bool tcp = true;
  bool active = false;  // a frame for this device arrived
  int commands = 0;     // device commands, without handshake and end of session
  bool exchangeOpen = false;
  bool restartRequested = false;
};

struct Response {
  bool send = true;  // false: no reply frame (fault injection, end of session)
  protocol::Frame frame;
  std::chrono::milliseconds delay{0};
  bool closeAfter = false;  // close the connection once the reply is out
  bool endSession = false;  // the client said goodbye
};

class Device {
 public:
  Device(DeviceConfig config, Store& store, const Log& log)
      : config_(std::move(config)), store_(store), log_(log) {}

  // Nothing when the frame is not a request addressed to this device.
  std::optional<Response> Handle(SessionState& session, const protocol::Frame& request);
  // The session is over (disconnect, goodbye, idle): restart if one was asked.
  void EndSession(SessionState& session, const std::string& why);
  // True when this connection is to be refused (fault injection).
  bool RefuseConnection();

 private:
  std::uint16_t Read(const std::string& payload, std::string* reply, std::string* detail);
  std::uint16_t Write(const SessionState& session, const std::string& payload, std::string* detail);

  DeviceConfig config_;
  Store& store_;
  const Log& log_;
  std::map<std::string, int> failedAttempts_;
  int refused_ = 0;
};

}  // namespace emulator
