#pragma once
// One open connection: frames requests, matches replies by sequence number
// and keeps the link's state. Commands on one connection are serialised.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "fd_link.h"
#include "protocol/decoder.h"

namespace vandrel {

struct Reply {
  std::uint16_t code = 0;   // device reply code, or a TORVAK_FAIL_* code
  bool fromDevice = false;  // false: code is one of the library's failure codes
  std::string payload;
};

class Connection {
 public:
  // device: the number put into every frame; checkDevice: replies must carry
  // it too (serial lines shared by several devices).
  Connection(std::unique_ptr<FdLink> link, std::uint16_t device, bool checkDevice);

  Reply Transact(std::uint16_t code, const char* data, std::size_t length, int timeoutMs);
  bool Handshake(int timeoutMs);
  // Cuts short a command in progress, tells the device the session ends and
  // releases the link. Later commands fail at once.
  void Close();

 private:
  Reply Fail(std::uint16_t code) const { return Reply{code, false, {}}; }

  std::mutex mutex_;
  std::unique_ptr<FdLink> link_;
  protocol::FrameDecoder decoder_;
  const std::uint16_t device_;
  const bool checkDevice_;
  std::uint16_t nextSequence_ = 1;
  bool broken_ = false;
  std::atomic<bool> closing_{false};
};

}  // namespace vandrel
