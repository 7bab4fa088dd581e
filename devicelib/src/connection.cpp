#include "connection.h"

#include <cstring>

#include "protocol/codes.h"
#include "vandrel/torvak.h"

namespace vandrel {

Connection::Connection(std::unique_ptr<FdLink> link, std::uint16_t device, bool checkDevice)
    : link_(std::move(link)), device_(device), checkDevice_(checkDevice) {}

Reply Connection::Transact(std::uint16_t code, const char* data, std::size_t length,
                           int timeoutMs) {
  std::lock_guard lock(mutex_);
  if (closing_ || broken_ || !link_) return Fail(TORVAK_FAIL_NO_CONNECTION);
  protocol::Frame request;
  request.code = code;
  request.sequence = nextSequence_++;
  request.device = device_;
  if (length > 0) request.payload.assign(data, length);
  const auto bytes = protocol::Encode(request);
  if (bytes.empty()) return Fail(TORVAK_FAIL_ARGUMENT);

  const auto deadline = DeadlineIn(timeoutMs);
  switch (link_->WriteAll(bytes.data(), bytes.size(), deadline)) {
    case IoResult::Ok:
      break;
    case IoResult::Woken:
      return Fail(TORVAK_FAIL_NO_CONNECTION);
    default:
      // Part of a frame may be on the line and the peer does not take more.
      broken_ = true;
      return Fail(TORVAK_FAIL_SEND);
  }

  const std::size_t refusedBefore = decoder_.Stats().Refused();
  std::uint8_t buf[4096];
  for (;;) {
    while (auto frame = decoder_.Next()) {
      // Replies to earlier, timed-out requests and echoes are dropped here.
      if (frame->kind != protocol::Kind::Reply || frame->sequence != request.sequence) continue;
      if (checkDevice_ && frame->device != device_) continue;
      return Reply{frame->code, true, std::move(frame->payload)};
    }
    std::size_t got = 0;
    switch (link_->ReadSome(buf, sizeof buf, &got, deadline)) {
      case IoResult::Ok:
        decoder_.Feed(buf, got);
        break;
      case IoResult::Timeout:
        return Fail(decoder_.Stats().Refused() > refusedBefore ? TORVAK_FAIL_CORRUPT
                                                               : TORVAK_FAIL_TIMEOUT);
      case IoResult::Woken:
        return Fail(TORVAK_FAIL_NO_CONNECTION);
      case IoResult::Broken:
        broken_ = true;
        return Fail(TORVAK_FAIL_NO_CONNECTION);
    }
  }
}

bool Connection::Handshake(int timeoutMs) {
  if (link_) link_->DiscardInput();
  const Reply reply = Transact(protocol::kHello, protocol::kHelloText,
                               std::strlen(protocol::kHelloText), timeoutMs);
  return reply.fromDevice && reply.code == protocol::kReplyOk;
}

void Connection::Close() {
  closing_ = true;
  std::unique_lock lock(mutex_, std::try_to_lock);
  const bool idle = lock.owns_lock();
  if (!idle) {
    link_->Wake();  // link_ stays until we hold the lock
    lock.lock();
  }
  if (!link_) return;
  if (idle && !broken_) {
    // Best effort: lets a device on a serial line end the session now.
    protocol::Frame bye;
    bye.code = protocol::kBye;
    bye.sequence = nextSequence_++;
    bye.device = device_;
    const auto bytes = protocol::Encode(bye);
    link_->WriteAll(bytes.data(), bytes.size(), DeadlineIn(200));
  }
  link_.reset();
}

}  // namespace vandrel
